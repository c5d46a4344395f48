#include "webtranslate/webtranslatecomponent.h"

#include "app/program.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace klangtruhe {

WebTranslateComponent::WebTranslateComponent(Program &program, QMainWindow &window)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
{
    setObjectName(QStringLiteral("WebTranslateComponent"));
    const std::pair<const char *, void (WebTranslateComponent::*)()> entries[] = {
        {"mnuTranslation", &WebTranslateComponent::mnuTranslation_Click},
        {"mnuDeeplWrite", &WebTranslateComponent::mnuDeeplWrite_Click}};
    for (const auto &[name, handler] : entries) {
        if (QAction *action = window.findChild<QAction *>(QString::fromLatin1(name))) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, handler);
        }
    }
}

void WebTranslateComponent::openPage(DeeplPage page)
{
    // The browser opens first, whatever text is chosen; a failed start is not reported.
    m_program.platform().openWithAssociatedProgram(deeplAddress(page));
    const QString text = chosenText();
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(text);
    }
}

QString WebTranslateComponent::chosenText() const
{
    const QString name = deeplSourceBox(m_program.lastFocusedControl);
    if (name.isEmpty())
        return QString();
    const auto *box = m_window.findChild<QTextEdit *>(name);
    if (!box)
        return QString();
    // As plain text with ordinary line breaks, also across paragraphs.
    return deeplText(box->textCursor().selection().toPlainText(), box->toPlainText());
}

} // namespace klangtruhe
