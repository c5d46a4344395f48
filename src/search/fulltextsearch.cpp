// The full-text search in the song list: the text button bar's "Suchen" and "Weitersuchen".
#include "search/quicksearchcomponent.h"

#include "common/inputlumo.h"
#include "common/msglumo.h"
#include "search/searchtext.h"

#include <QChar>
#include <QMainWindow>
#include <QTextCursor>
#include <QTextEdit>

namespace klangtruhe {

namespace {

constexpr quint32 kMessageBack = 0xF4EAE3;

} // namespace

void QuickSearchComponent::fullTextSuchen()
{
    QTextEdit *songs = songList();
    if (!songs)
        return;
    const QTextCursor marked = songs->textCursor();
    if (marked.hasSelection()) {
        // A selection over several lines comes with paragraph separators.
        m_fullText.text = marked.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    const QString answer = InputLumo(m_program, &m_window, QStringLiteral("Suchtext eingeben"),
                                     QStringLiteral("Suchbox"), m_fullText.text);
    if (answer.isEmpty())
        return;
    m_fullText.text = answer;
    m_fullText.start = 1;
    const int position = fullTextFindNext(m_fullText, songs->toPlainText());
    if (position == 0) {
        MsgLumo(m_program, &m_window, answer + QStringLiteral(" nicht gefunden"), 1, 0,
                QStringLiteral("Volltextsuche"), 1, kMessageBack);
        return;
    }
    selectFullTextFind(songs, position);
}

void QuickSearchComponent::fullTextWeitersuchen()
{
    // Nothing searched yet in this run: go on as "Suchen" and ask for the text.
    if (m_fullText.text.isEmpty()) {
        fullTextSuchen();
        return;
    }
    QTextEdit *songs = songList();
    if (!songs)
        return;
    const int position = fullTextFindNext(m_fullText, songs->toPlainText());
    if (position == 0) {
        MsgLumo(m_program, &m_window, QStringLiteral("Alles durchsucht, Suche beendet."), 1, 0, m_fullText.text, 1,
                kMessageBack);
        return;
    }
    selectFullTextFind(songs, position);
}

void QuickSearchComponent::selectFullTextFind(QTextEdit *songs, int position)
{
    songs->setFocus();
    QTextCursor cursor = songs->textCursor();
    cursor.setPosition(position - 1);
    cursor.setPosition(position - 1 + static_cast<int>(m_fullText.text.size()), QTextCursor::KeepAnchor);
    songs->setTextCursor(cursor);
    songs->ensureCursorVisible();
}

} // namespace klangtruhe
