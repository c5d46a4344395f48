// The track list filTrack: filling it for the current entry, its events, the
// song-text follow-up and the track-info message.
#include "player/playercomponent.h"

#include "app/program.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "player/mediacomponent.h"
#include "player/playerrules.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTextEdit>

namespace klangtruhe {

void PlayerComponent::fillTrackList()
{
    loadTrackList();
    // The stars follow the entry's first track, not the last entry's.
    BewertungTracks();
}

void PlayerComponent::loadTrackList()
{
    m_program.AktuellerTrack = 0;
    // "Leer" of the program folder is empty: the list shows nothing and stays disabled.
    m_filTrack->clear();
    m_filTrack->setEnabled(false);
    const QString folder = musicFolder();
    if (folder.size() < 2)
        return;
    const QStringList files = tracksOfFolder(folder);
    if (files.isEmpty()) {
        setTrackCaption(QStringLiteral("Tracks && Movies "));
        return;
    }
    m_filTrack->addItems(files);
    m_filTrack->setEnabled(true);
    m_filTrack->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    TrackGespielt = QList<int>(files.size(), 0);
    setTrackCaption(QStringLiteral("Tracks && Movies ") + QString::number(files.size()));
}

int PlayerComponent::trackCount() const
{
    return m_filTrack->count();
}

QString PlayerComponent::trackName(int index) const
{
    const QListWidgetItem *item = m_filTrack->item(index);
    return item ? item->text() : QString();
}

std::vector<bool> PlayerComponent::markedTracks() const
{
    std::vector<bool> marked(size_t(m_filTrack->count()), false);
    for (int i = 0; i < m_filTrack->count(); ++i)
        marked[size_t(i)] = m_filTrack->item(i)->isSelected();
    return marked;
}

void PlayerComponent::setTrackCaption(const QString &caption)
{
    if (hooks.setTrackCaption)
        hooks.setTrackCaption(caption);
}

void PlayerComponent::onTrackClicked()
{
    BewertungTracks();
}

void PlayerComponent::onTrackFocused()
{
    if (!chkMarkTracks->isChecked())
        m_program.AktuellerTrack = m_filTrack->currentRow();
    if (hooks.setLastFocusedControl)
        hooks.setLastFocusedControl(QStringLiteral("filTrack"));
    BewertungTracks();
}

void PlayerComponent::onTrackChosen(bool byKey, int key)
{
    m_program.PlaylistModus = false;
    if (!chkMarkTracks->isChecked())
        m_program.AktuellerTrack = m_filTrack->currentRow();
    BewertungTracks();
    songTextFollow(byKey);
    if (byKey && (key == Qt::Key_Return || key == Qt::Key_Enter))
        imgStart_Click();
}

void PlayerComponent::songTextFollow(bool letEventsRun)
{
    QTextEdit *box = hooks.songTextBox;
    if (!box)
        return;
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
    const QString key = songSearchKey(trackName(m_program.AktuellerTrack));
    if (key.isEmpty())
        return;
    const int at = box->toPlainText().indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return;
    cursor.setPosition(at);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    if (letEventsRun)
        doEvents();
}

void PlayerComponent::TextSongAktualisieren()
{
    QTextEdit *box = hooks.songTextBox;
    if (!box || !box->isVisible())
        return;
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
    const QString name = trackName(m_program.AktuellerTrack);
    const int at = name.isEmpty() ? -1 : box->toPlainText().indexOf(name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return;
    cursor.setPosition(at);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

void PlayerComponent::showTrackMenu(const QPoint &position)
{
    m_trackMenu->popup(m_filTrack->viewport()->mapToGlobal(position));
}

void PlayerComponent::cmdInfoTrack_Click()
{
    MediaInfo info;
    if (m_mediaPlayer->playState() != MediaComponent::Stopped) {
        info.name = m_mediaPlayer->name();
        info.duration = m_mediaPlayer->durationString();
    }
    for (int i = 0; i < m_mediaPlayer->attributeCount(); ++i) {
        const QString name = m_mediaPlayer->attributeName(i);
        info.attributeNames << name;
        info.attributeValues << m_mediaPlayer->attributeValue(name);
    }
    MsgLumo(m_program, &m_window, trackInfoText(info), 1, 0, QStringLiteral("Track-Info"), 1, 0xF4EAE3, 0x352300);
}

bool PlayerComponent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::WindowStateChange)
            onWindowStateChanged();
        return false;
    }
    if (watched != m_filTrack && watched != m_trackViewport)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == m_filTrack)
            onTrackFocused();
        break;
    case QEvent::KeyPress:
        m_trackKeyPress.pressed(static_cast<QKeyEvent *>(event));
        break;
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (m_trackKeyPress.released(key))
            onTrackChosen(true, key->key());
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched == m_trackViewport)
            onTrackChosen(false, 0);
        break;
    default:
        break;
    }
    return false;
}

} // namespace klangtruhe
