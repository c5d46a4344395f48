// The playlist menu's exchange with other players: an M3U or M3U8 file
// becomes one of our playlists, and the current playlist an M3U8 or M3U file.
#include "app/program.h"
#include "common/busypointer.h"
#include "common/msglumo.h"
#include "lists/m3u.h"
#include "lists/playlistcomponent.h"
#include "lists/playlistfile.h"
#include "lists/playlistrules.h"
#include "lists/playlistview.h"
#include "player/tracklength.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QSaveFile>
#include <cmath>

namespace klangtruhe {

namespace {

constexpr quint32 kBack = 0xF4EAE3;
constexpr quint32 kFore = 0x352300;

} // namespace

void PlaylistComponent::mnuPlaylistImportieren_Click()
{
    QFileDialog dialog(&m_window, QStringLiteral("Playlist importieren"));
    dialog.setObjectName(QStringLiteral("dlgPlaylistImportieren"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({QStringLiteral("M3U-Playlist (*.m3u *.m3u8)"), QStringLiteral("alle Dateien (*.*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString source = dialog.selectedFiles().constFirst();
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgLumo(m_program, &m_window, QStringLiteral("Die Datei kann nicht gelesen werden:\r\n\r\n") + QDir::toNativeSeparators(source),
                1, 0, QStringLiteral("Playlist importieren"), 1, kBack, kFore);
        return;
    }
    const M3uContents contents =
        parseM3u(file.readAll(), isUtf8Playlist(source), QFileInfo(source).absolutePath(), m_program.pathMap);
    if (contents.entries.isEmpty()) {
        MsgLumo(m_program, &m_window,
                QStringLiteral("Die Datei enthält keine Titel, die sich übernehmen lassen.") +
                    (contents.skippedAddresses > 0
                         ? QStringLiteral("\r\n\r\nInternet-Adressen übersprungen: %1").arg(contents.skippedAddresses)
                         : QString()),
                1, 0, QStringLiteral("Playlist importieren"), 1, kBack, kFore);
        return;
    }

    if (PlaylistGeaendert)
        PlaylistSpeichern();
    QString name = playlistFileName(QFileInfo(source).completeBaseName());
    if (!forbiddenNameCharacters(QFileInfo(source).completeBaseName()).isEmpty()
        || QFileInfo::exists(playlistFolder() + name))
        name = askName();
    if (name.isEmpty())
        return;
    QList<PlaylistItem> items;
    for (const M3uEntry &entry : contents.entries)
        items.append(splitPlaylistLine(entry.path));
    FileError error;
    if (!writePlaylistFile(playlistFolder() + name, items, &error)) {
        failureReport(m_program, &m_window, QStringLiteral("Ausgabebox_mnuPlaylistImportieren_Click"), error.number,
                      error.description);
        return;
    }
    readFileList();
    PlaylistDirektLaden = true;
    PlaylistName = name;
    load();
    if (contents.skippedAddresses > 0) {
        MsgLumo(m_program, &m_window,
                QStringLiteral("%1 Titel übernommen.\r\n\r\nInternet-Adressen übersprungen: %2")
                    .arg(contents.entries.size())
                    .arg(contents.skippedAddresses),
                1, 0, QStringLiteral("Playlist importieren"), 1, kBack, kFore);
    }
}

void PlaylistComponent::mnuPlaylistExportieren_Click()
{
    const QList<PlaylistItem> items = m_view->allItems();
    if (PlaylistName.isEmpty() || items.isEmpty()) {
        MsgLumo(m_program, &m_window, QStringLiteral("Laden Sie zuerst eine Playlist, die Titel enthält."), 1, 0,
                QStringLiteral("Playlist exportieren"), 1, kBack, kFore);
        return;
    }
    QFileDialog dialog(&m_window, QStringLiteral("Playlist exportieren"));
    dialog.setObjectName(QStringLiteral("dlgPlaylistExportieren"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("M3U8-Playlist, UTF-8 (*.m3u8)"), QStringLiteral("M3U-Playlist, Windows-1252 (*.m3u)")});
    dialog.setDefaultSuffix(QStringLiteral("m3u8"));
    dialog.selectFile(QFileInfo(PlaylistName).completeBaseName() + QStringLiteral(".m3u8"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString target = dialog.selectedFiles().constFirst();

    BusyPointer busy;
    QList<M3uEntry> entries;
    for (const PlaylistItem &item : items) {
        const QString local = m_program.localPath(item.fullPath());
        const double seconds = trackLength(local);
        entries.append({local, seconds < 0 ? -1 : static_cast<int>(std::lround(seconds)), m3uTitle(local)});
    }
    QByteArray bytes;
    if (!writeM3u(entries, isUtf8Playlist(target), bytes)) {
        busy.release();
        MsgLumo(m_program, &m_window,
                QStringLiteral("Die Playlist enthält Zeichen, die eine .m3u-Datei (Windows-1252) nicht aufnehmen kann.\r\n\r\n"
                               "Bitte als .m3u8 exportieren."),
                1, 0, QStringLiteral("Playlist exportieren"), 1, kBack, kFore);
        return;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        busy.release();
        MsgLumo(m_program, &m_window,
                QStringLiteral("Die Datei kann nicht geschrieben werden:\r\n\r\n") + QDir::toNativeSeparators(target), 1, 0,
                QStringLiteral("Playlist exportieren"), 1, kBack, kFore);
    }
}

} // namespace klangtruhe
