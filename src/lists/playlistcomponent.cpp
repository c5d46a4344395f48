#include "lists/playlistcomponent.h"

#include "app/program.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/inputlumo.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "app/mainlayout.h"
#include "catalogue/jetfunctions.h"
#include "lists/playlistfile.h"
#include "lists/playlistrules.h"
#include "lists/playlistview.h"
#include "player/playercomponent.h"

#include <QAction>
#include <algorithm>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

namespace klangtruhe {

namespace {
constexpr quint32 kBack = 0xF4EAE3;
constexpr quint32 kFore = 0x352300;
constexpr int kPlaylistsPage = 4; // "Playlists", the fifth page
const char *const kHakenCaption = "Alle &Häkchen an/aus";
} // namespace

PlaylistComponent::PlaylistComponent(Program &program, QMainWindow &window, PlayerComponent &player,
                                     QTabWidget *tabTexte)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_player(player)
    , m_tabTexte(tabTexte)
{
    QWidget *area = tabTexte && tabTexte->parentWidget() ? tabTexte->parentWidget() : window.centralWidget();
    m_view = new PlaylistView(area);
    const layout::TwipsRect &place = layout::kTextPages;
    m_view->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
    m_view->hide();
    m_view->focused = [this] { onFocus(); };
    m_view->clickedOnce = [this] { onClick(); };
    m_view->mouseReleased = [this] { onMouseReleased(); };
    m_view->keyReleased = [this](int key) { onKeyReleased(key); };
    m_view->rightPressed = [this] { onRightPressed(); };
    m_view->doubleClicked = [this] { onDoubleClick(); };

    m_files = new QListWidget;
    m_files->setObjectName(QStringLiteral("filPlaylist"));
    if (QWidget *page = tabTexte ? tabTexte->widget(kPlaylistsPage) : nullptr) {
        auto *box = new QVBoxLayout(page);
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(m_files);
    } else {
        m_files->setParent(area);
        m_files->hide();
    }
    connect(m_files, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { filPlaylist_DblClick(item->text()); });

    connectMenu();
    // The list shows the folder every playlist operation uses, so a
    // double-click always finds the file it shows.
    readFileList();
}

void PlaylistComponent::connectMenu()
{
    const std::pair<const char *, void (PlaylistComponent::*)()> entries[] = {
        {"mnuPlaylistNeu", &PlaylistComponent::mnuPlaylistNeu_Click},
        {"mnuPlaylistLaden", &PlaylistComponent::mnuPlaylistLaden_Click},
        {"mnuPlaylistKill", &PlaylistComponent::mnuPlaylistKill_Click},
        {"mnuPlaylistHaken", &PlaylistComponent::mnuPlaylistHaken_Click},
        {"mnuPlaylistAufnehmen", &PlaylistComponent::mnuPlaylistAufnehmen_Click},
        {"mnuPlaylistImportieren", &PlaylistComponent::mnuPlaylistImportieren_Click},
        {"mnuPlaylistExportieren", &PlaylistComponent::mnuPlaylistExportieren_Click},
    };
    for (const auto &[name, handler] : entries) {
        if (auto *action = m_window.findChild<QAction *>(QString::fromLatin1(name))) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, handler);
        }
    }
    m_haken = m_window.findChild<QAction *>(QStringLiteral("mnuPlaylistHaken"));
    m_anzeigen = m_window.findChild<QAction *>(QStringLiteral("mnuPlaylistAnzeigen"));
    if (m_anzeigen) {
        m_anzeigen->setEnabled(true);
        // The handler decides by the check mark as it was before the click.
        connect(m_anzeigen, &QAction::triggered, this, [this] {
            m_anzeigen->setChecked(!m_anzeigen->isChecked());
            mnuPlaylistAnzeigen_Click();
        });
    }
}

QString PlaylistComponent::playlistFolder() const
{
    return m_program.programFolder + QStringLiteral("Playlist") + QDir::separator();
}

QString PlaylistComponent::playlistPath() const
{
    return playlistFolder() + PlaylistName;
}

void PlaylistComponent::readFileList()
{
    m_files->clear();
    const QDir folder(playlistFolder());
    m_files->setProperty("path", folder.absolutePath());
    QStringList names = folder.entryList({QStringLiteral("*.txt")}, QDir::Files);
    // In German order, "Ärzte" among the A, as the table sorts.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const QByteArray left = a.toUtf8(), right = b.toUtf8();
        return compareGerman({left.constData(), size_t(left.size())}, {right.constData(), size_t(right.size())}) < 0;
    });
    m_files->addItems(names);
}

void PlaylistComponent::filPlaylist_DblClick(const QString &fileName)
{
    const QString previousName = PlaylistName;
    PlaylistDirektLaden = true;
    PlaylistName = fileName;
    if (!load())
        PlaylistName = previousName;
}

void PlaylistComponent::beginSearchList()
{
    PlaylistName = QStringLiteral("Suchliste.txt");
    if (QFileInfo::exists(playlistPath())) {
        QFile::remove(playlistPath());
        m_view->clear();
    }
}

void PlaylistComponent::showView()
{
    m_view->show();
    m_view->raise();
    if (m_tabTexte)
        m_tabTexte->hide();
}

void PlaylistComponent::hideView()
{
    m_view->hide();
    if (m_tabTexte)
        m_tabTexte->show();
}

void PlaylistComponent::selectPlaylistsPage()
{
    if (m_tabTexte)
        m_tabTexte->setCurrentIndex(kPlaylistsPage);
}

void PlaylistComponent::updateHeader()
{
    m_view->setHeaderCaption(playlistHeader(PlaylistName, m_view->itemCount()));
}

// The state every new or loaded playlist starts with as the play source.
void PlaylistComponent::takeOverItems()
{
    if (m_anzeigen)
        m_anzeigen->setChecked(true);
    updateHeader();
    showView();
    m_program.AktuellerTrack = 1;
    m_program.PlaylistModus = true;
    AlleHakenAn = true;
    if (m_haken)
        m_haken->setText(QString::fromUtf8(kHakenCaption));
    m_player.TrackGespielt = playedMarksFor(m_view->itemCount());
}

QString PlaylistComponent::askName()
{
    for (;;) {
        const QString answer =
            InputLumo(m_program, &m_window, QStringLiteral("Namen der Playlist eingeben."),
                      QStringLiteral("Neue Playlist"), QString(), kBack, kFore);
        if (answer.isEmpty())
            return QString();
        const QString forbidden = forbiddenNameCharacters(answer);
        if (!forbidden.isEmpty()) {
            MsgLumo(m_program, &m_window,
                    QStringLiteral("Ein Dateiname darf diese Zeichen nicht enthalten: ") + forbidden
                        + QStringLiteral("\r\n\r\nBitte geben Sie einen anderen Namen ein."),
                    3, 0, QStringLiteral("Neue Playlist"), 1, kBack, kFore);
            continue;
        }
        const QString fileName = playlistFileName(answer);
        const QString path = playlistFolder() + fileName;
        if (!QFileInfo::exists(path))
            return fileName;
        const QString reply = MsgLumo(m_program, &m_window,
                                      QStringLiteral("Diese Playlist existiert bereits, überschreiben?\r\n\r\n")
                                          + answer + QStringLiteral("\r\n"),
                                      22, 2, QStringLiteral("Sicherheitshinweis"), 1, kBack, kFore);
        if (reply == QLatin1String("Nein"))
            continue;
        if (reply == QLatin1String("Ja") && !m_program.platform().moveToRecycleBin(path)) {
            MsgLumo(m_program, &m_window,
                    QStringLiteral("Die Playlist konnte nicht in den Papierkorb verschoben werden:\r\n\r\n")
                        + QDir::toNativeSeparators(path)
                        + QStringLiteral("\r\n\r\nBitte geben Sie einen anderen Namen ein."),
                    3, 0, QStringLiteral("Neue Playlist"), 1, kBack, kFore);
            continue;
        }
        return fileName;
    }
}

void PlaylistComponent::mnuPlaylistNeu_Click()
{
    selectPlaylistsPage();
    if (PlaylistGeaendert)
        PlaylistSpeichern();
    m_player.imgStop_Click();
    const QString fileName = askName();
    if (fileName.isEmpty())
        return;
    // No file yet: it comes into being with the first added track.
    PlaylistName = fileName;
    m_view->clear();
    takeOverItems();
}

void PlaylistComponent::mnuPlaylistAufnehmen_Click()
{
    if (PlaylistName.isEmpty()) {
        MsgLumo(m_program, &m_window,
                QStringLiteral("Vergeben Sie zuerst einen Namen für eine neue Playlist,\r\n"
                               "oder laden Sie eine bestehenden Playlist."),
                1, 0, QStringLiteral("Kein Playlist vorhanden"), 1, kBack, kFore);
        return;
    }
    BusyPointer busy;
    const QString folder = m_player.musicFolder();
    QStringList lines;
    const QListWidget *tracks = m_player.filTrack();
    for (int i = 0; i < tracks->count(); ++i) {
        if (tracks->item(i)->isSelected())
            lines << folder + tracks->item(i)->text();
    }
    FileError error;
    if (!appendPlaylistLines(playlistPath(), lines, &error)) {
        busy.release();
        failureReport(m_program, &m_window, QStringLiteral("Ausgabebox_mnuPlaylistAufnehmen_Click"), error.number,
                      error.description);
        return;
    }
    for (const QString &line : lines)
        m_view->appendItem(splitPlaylistLine(line));
    updateHeader();
    m_player.TrackGespielt = playedMarksFor(m_view->itemCount());
}

void PlaylistComponent::trackRenamed(const QString &oldPath, const QString &newPath)
{
    renameInPlaylists(playlistFolder(), oldPath, newPath);
    // The files already hold the new path; the view need not be saved again.
    m_view->renameTrack(oldPath, newPath);
}

void PlaylistComponent::PlaylistSpeichern()
{
    PlaylistGeaendert = false;
    if (PlaylistName.isEmpty())
        return; // no playlist, nothing to write
    BusyPointer busy;
    FileError error;
    if (!writePlaylistFile(playlistPath(), m_view->allItems(), &error)) {
        // The file stays as it was; the items wait for the next save.
        PlaylistGeaendert = true;
        busy.release();
        failureReport(m_program, &m_window, QStringLiteral("Ausgabebox_PlaylistSpeichern"), error.number,
                      error.description);
        return;
    }
    updateHeader();
}

void PlaylistComponent::mnuPlaylistLaden_Click()
{
    load();
}

bool PlaylistComponent::load()
{
    selectPlaylistsPage();
    if (PlaylistGeaendert)
        PlaylistSpeichern();
    m_player.imgStop_Click();

    const QString previousName = PlaylistName;
    QString file;
    if (PlaylistDirektLaden) {
        PlaylistDirektLaden = false;
        file = playlistPath();
    } else if (!m_program.songRatingSearch) {
        QFileDialog dialog(&m_window, QStringLiteral("Playlist laden"), playlistFolder());
        dialog.setObjectName(QStringLiteral("dlgPlaylistLaden"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::ReadOnly);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setNameFilters({QStringLiteral("Playlist (*.txt)"), QStringLiteral("alle Dateien (*.*)")});
        if (dialog.exec() != QDialog::Accepted)
            return true;
        const QString chosen = dialog.selectedFiles().value(0);
        if (chosen.isEmpty() || QFileInfo(chosen).isDir()) {
            readFileList();
            return true;
        }
        PlaylistName = QFileInfo(chosen).fileName();
        file = chosen;
    } else {
        file = playlistPath();
    }

    BusyPointer busy;
    if (QFileInfo(file).isFile()) {
        FileError error;
        const std::optional<QList<PlaylistItem>> items = readPlaylistFile(file, &error);
        if (!items) {
            // A foreign or unreadable file: the playlist shown before stays current.
            PlaylistName = previousName;
            busy.release();
            failureReport(m_program, &m_window, QStringLiteral("Ausgabebox_mnuPlaylistLaden_Click"), error.number,
                          error.description);
            return false;
        }
        m_view->clear();
        for (const PlaylistItem &item : *items)
            m_view->appendItem(item);
        if (!items->isEmpty()) {
            m_view->selectItem(1);
        }
    }
    takeOverItems();
    m_program.StilAusgeschlossen = false;
    return true;
}

void PlaylistComponent::mnuPlaylistAnzeigen_Click()
{
    if (PlaylistGeaendert)
        PlaylistSpeichern();
    if (m_anzeigen && m_anzeigen->isChecked()) {
        m_anzeigen->setChecked(false);
        hideView();
        return;
    }
    if (PlaylistName.isEmpty())
        mnuPlaylistLaden_Click();
    if (m_anzeigen)
        m_anzeigen->setChecked(true);
    showView();
}

void PlaylistComponent::mnuPlaylistKill_Click()
{
    const int current = m_view->selectedItem();
    QString text;
    const QList<bool> selected = m_view->selectedFlags();
    if (current > 0 && selected.value(current - 1))
        text = m_view->itemText(current);
    else if (const int first = static_cast<int>(selected.indexOf(true)); first >= 0)
        text = m_view->itemText(first + 1);
    const QString reply =
        MsgLumo(m_program, &m_window, QStringLiteral("Lied aus der Playlist entfernen?\r\n\r\n") + text, 22, 1,
                QStringLiteral("Sicherheitsabfrage"), 1, kBack, kFore);
    if (reply == QLatin1String("Nein"))
        return;
    for (int n = static_cast<int>(selected.size()); n >= 1; --n) {
        if (selected.at(n - 1))
            delete m_view->takeTopLevelItem(n - 1);
    }
    PlaylistSpeichern();
}

void PlaylistComponent::mnuPlaylistHaken_Click()
{
    AlleHakenAn = toggledAllTicks(AlleHakenAn);
    for (int n = 1; n <= m_view->itemCount(); ++n)
        m_view->setChecked(n, AlleHakenAn);
    if (m_haken)
        m_haken->setText(QString::fromUtf8(kHakenCaption));
}

void PlaylistComponent::onFocus()
{
    m_program.PlaylistModus = true;
    m_program.AktuellerTrack = itemOnFocus(m_program.AktuellerTrack, m_view->selectedItem());
    m_player.BewertungTracks();
}

void PlaylistComponent::onClick()
{
    m_program.PlaylistModus = true;
    m_player.TrackGespielt = playedMarksFor(m_view->itemCount());
    m_program.AktuellerTrack = itemOnFocus(m_program.AktuellerTrack, m_view->selectedItem());
}

void PlaylistComponent::onMouseReleased()
{
    m_program.AktuellerTrack = m_view->selectedItem();
    m_player.BewertungTracks();
}

void PlaylistComponent::onKeyReleased(int key)
{
    m_program.AktuellerTrack = m_view->selectedItem();
    m_player.BewertungTracks();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        m_player.imgStart_Click();
}

void PlaylistComponent::onRightPressed()
{
    if (auto *menu = m_window.findChild<QMenu *>(QStringLiteral("mnuPlaylist")))
        menu->exec(QCursor::pos());
}

void PlaylistComponent::onDoubleClick()
{
    m_player.imgStop_Click();
    doEvents();
    m_player.imgStart_Click();
    doEvents();
    if (m_player.hooks.suchenPlaylistTitel)
        m_player.hooks.suchenPlaylistTitel();
}

} // namespace klangtruhe
