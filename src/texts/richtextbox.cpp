#include "texts/richtextbox.h"

#include "texts/rtfcodec.h"
#include "texts/rtfreader.h"
#include "texts/rtfwriter.h"

namespace klangtruhe {

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!m_loading)
            Q_EMIT editedByUser();
    });
}

void RichTextBox::showFieldText(const QString &text)
{
    m_loading = true;
    document()->clear();
    m_showsRtf = looksLikeRtf(text) && readRtf(text, *document());
    if (!m_showsRtf)
        setPlainText(text);
    document()->setModified(false);
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::Start);
    m_loading = false;
}

QString RichTextBox::fieldText() const
{
    return writeRtf(*document());
}

} // namespace klangtruhe
