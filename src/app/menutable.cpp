#include "app/menutable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace klangtruhe {

const std::vector<MenuHeading> &menuHeadings()
{
    static const std::vector<MenuHeading> headings = {
        {"mnuDatei", "&Datei"},     {"mnuBearbeiten", "&Bearbeiten"}, {"mnuOptionen", "&Optionen"},
        {"mnuPlayer", "&Player"},   {"mnuPlaylist", "&Playlist"},     {"mnuHilfe", "&?"},
    };
    return headings;
}

const std::vector<MenuEntry> &menuEntries()
{
    using K = QKeySequence;
    static const std::vector<MenuEntry> entries = {
        {"mnuDatei", "mnuOeffnen", "&Datenbank laden...", K(Qt::CTRL | Qt::Key_O)},
        {"mnuDatei", "mnuOrdnerpfad_0", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_1", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_2", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_3", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_4", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_5", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_6", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_7", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_8", "", K()},
        {"mnuDatei", "mnuOrdnerpfad_9", "", K(), false, true},
        {"mnuDatei", "mnuSicherungWiederherstellen", "Sicherung &wiederherstellen…", K(), false, true},
        {"mnuDatei", "MenuAktualisieren", "&Aktualisieren", K(Qt::Key_F5)},
        {"mnuDatei", "mnuBeenden", "&Beenden", K(Qt::CTRL | Qt::Key_B)},

        {"mnuBearbeiten", "mnuTabelleAnordnen", "&Tabellenspalten anordnen...", K()},
        {"mnuBearbeiten", "mnuSpaltenbreite", "Tabellenspaltenbreite &optimieren", K(Qt::Key_F9), false, true},
        {"mnuBearbeiten", "mnuSammlungPruefen", "Sammlung &prüfen...", K()},
        {"mnuBearbeiten", "mnuStatistik", "&Statistik...", K()},

        {"mnuOptionen", "mnuSleep", "&Sleep...", K(), true},
        {"mnuOptionen", "mnuDeeplWrite", "DeepL Write", K(Qt::SHIFT | Qt::Key_F8)},
        {"mnuOptionen", "mnuTranslation", "DeepL Translation", K(Qt::SHIFT | Qt::Key_F9)},
        {"mnuOptionen", "mnuProgSchrift", "&Programmschrift...", K()},
        {"mnuOptionen", "mnuBildDatenbankpfad", "Cover vom Datenbankpfad laden", K(), true, true},
        {"mnuOptionen", "MenuSuchen", "&Suchen...", K(Qt::Key_F2)},
        {"mnuOptionen", "mnuSongTextEinAus", "S&ongtext ein/aus", K()},
        {"mnuOptionen", "mnuKlangtruhe", "Klangtruhe starten", K(), false, true},
        {"mnuOptionen", "mnuBandAusschliessen", "Band ausschließen...", K()},
        {"mnuOptionen", "mnuStilrichtungAusschliessen", "Stilrichtung &ausschließen...", K(), false, true},
        {"mnuOptionen", "mnuWeblink", "&mark. Text als Link ausführen...", K()},
        {"mnuOptionen", "mnuPfadzuordnung", "P&fadzuordnung...", K()},

        {"mnuPlayer", "mnuWebCam", "&WebCam", K()},
        {"mnuPlayer", "mnuCDplayer", "&CD-Player", K(Qt::CTRL | Qt::Key_P)},
        {"mnuPlayer", "mnuDVDplayer", "&DVD-Player", K(), false, true},
        {"mnuPlayer", "mnuLaufschrift", "&Laufschrift Titelzeile ein/aus", K(), true},
        {"mnuPlayer", "mnuMiniPlayerOnTop", "&Miniplayer im Vordergrund halten", K(), true},
        {"mnuPlayer", "mnuWinPlayerVerwenden", "Windows Media Player &verwenden", K(), true},
        {"mnuPlayer", "mnuPauseZwischenTracks", "&Pause zwischen den einzelnen Tracks...", K()},
        {"mnuPlayer", "mnuStartLautregler", "Lautst&ärkeregler beim Start einblenden", K(), true},

        {"mnuPlaylist", "mnuPlaylistNeu", "&Neu...", K()},
        {"mnuPlaylist", "mnuPlaylistLaden", "&Laden...", K()},
        {"mnuPlaylist", "mnuPlaylistAnzeigen", "An&zeigen", K(), true, true},
        {"mnuPlaylist", "mnuPlaylistKill", "L&öschen...", K(), false, true},
        {"mnuPlaylist", "mnuPlaylistHaken", "Alle &Häkchen an/aus", K()},
        {"mnuPlaylist", "mnuPlaylistAufnehmen", "&In Playlist aufnehmen", K(Qt::Key_F11), false, true},
        {"mnuPlaylist", "mnuPlaylistImportieren", "Im&portieren…", K()},
        {"mnuPlaylist", "mnuPlaylistExportieren", "E&xportieren…", K()},

        {"mnuHilfe", "Menu_Hilfe", "&Hilfe", K(Qt::Key_F1)},
        {"mnuHilfe", "MenuInfo", "&Info", K(Qt::CTRL | Qt::Key_I)},
        {"mnuHilfe", "mnuReadMe", "Read&Me", K()},
        {"mnuHilfe", "MenuTipOfDay", "&Tipps und Tricks", K(Qt::CTRL | Qt::Key_T), false, true},
        {"mnuHilfe", "mnuNutzungslizenz", "&Nutzungslizenz", K()},
        {"mnuHilfe", "mnuUpdateSuchen", "&Update suchen...", K()},
        {"mnuHilfe", "mnuWebsiteAufrufen", "&Website aufrufen", K()},
    };
    return entries;
}

void buildMenuBar(QMainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    for (const MenuHeading &heading : menuHeadings()) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(heading.caption));
        menu->setObjectName(QString::fromLatin1(heading.name));
        for (const MenuEntry &entry : menuEntries()) {
            if (qstrcmp(entry.menu, heading.name) != 0)
                continue;
            QAction *action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(QString::fromLatin1(entry.name));
            action->setShortcut(entry.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
            action->setCheckable(entry.checkable);
            action->setEnabled(false);
            if (QString::fromLatin1(entry.name).startsWith(QLatin1String("mnuOrdnerpfad_")))
                action->setVisible(false);
            if (entry.separatorAfter)
                menu->addSeparator();
        }
    }
}

} // namespace klangtruhe
