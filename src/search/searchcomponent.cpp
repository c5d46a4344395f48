#include "search/searchcomponent.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/recordtablemodel.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/inputlumo.h"
#include "common/msglumo.h"
#include "common/positionform.h"
#include "lists/exclusioncomponent.h"
#include "lists/exclusionrules.h"
#include "lists/playlistcomponent.h"
#include "lists/playlistrules.h"
#include "player/playercomponent.h"
#include "player/playersequencerhost.h"
#include "search/searchrules.h"
#include "search/suchbox.h"

#include <QAction>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QTableView>
#include <QTextEdit>
#include <algorithm>
#include <vector>

namespace klangtruhe {

namespace {
const QString kProcedure = QStringLiteral("Ausgabebox_MenuSuchen_Click");
}

SearchComponent::SearchComponent(Program &program, QMainWindow &window, StatusBar &status,
                                 CatalogueComponent &catalogue, PlayerComponent &player,
                                 PlaylistComponent &playlists, ExclusionComponent &exclusions)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_status(status)
    , m_catalogue(catalogue)
    , m_player(player)
    , m_playlists(playlists)
    , m_exclusions(exclusions)
{
    m_menu = window.findChild<QAction *>(QStringLiteral("MenuSuchen"));
    if (m_menu)
        connect(m_menu, &QAction::triggered, this, &SearchComponent::MenuSuchen_Click);
    connect(&catalogue.data(), &Data1::reloaded, this, &SearchComponent::updateMenu);
    updateMenu();
}

void SearchComponent::updateMenu()
{
    // Searching needs a catalogue.
    if (m_menu)
        m_menu->setEnabled(m_catalogue.data().hasDatabase());
}

void SearchComponent::MenuSuchen_Click()
{
    if (auto *songText = m_window.findChild<QTextEdit *>(QStringLiteral("txtSongText")))
        songText->setFocus();
    m_playlists.hideView();
    m_program.PlaylistModus = false;

    // Only a confirmed dialog hands over a new statement.
    m_program.searchStatement.clear();
    m_program.songRatingSearch = false;
    {
        Suchbox dialog(m_program, &m_window);
        PositionForm(&dialog, &m_window, QStringLiteral("center"), 10);
        dialog.exec();
    }
    if (m_program.searchStatement.isEmpty())
        return;

    BusyPointer busy;
    m_player.sequencerHost().StilSpalteSetzen();
    if (QLabel *label = m_catalogue.tableNameLabel())
        label->setText(m_program.settings.read(keys::TabellenName));

    if (m_program.songRatingSearch && m_program.songRatingText.startsWith(QLatin1String(" - "))) {
        // The collection walks the table as it stands; track names are no field to search.
        busy.release();
        if (!collectSongRating())
            return;
    } else {
        DatabaseError error;
        if (!m_catalogue.applyRecordSource(m_program.searchStatement, error)) {
            // The table keeps the previous result: nothing may be replaced in it.
            busy.release();
            failureReport(m_program, &m_window, kProcedure, error.number, error.description);
            return;
        }
        m_program.StilAusgeschlossen = false;
        if (m_catalogue.TabelleAnordnen)
            m_catalogue.TabelleAnordnen();
        doEvents();
        m_program.settings.write(keys::Data1RecordSource, m_program.searchStatement);
        int replaced = 0;
        if (!m_program.replaceText.isEmpty() && !m_program.replaceSearchText.isEmpty()
            && replaceInFoundEntries(replaced)) {
            DatabaseError refreshError;
            m_catalogue.data().refresh(refreshError);
            if (m_catalogue.TabelleAnordnen)
                m_catalogue.TabelleAnordnen();
            busy.release();
            MsgLumo(m_program, &m_window, QString::number(replaced) + QStringLiteral(" Datensätze ersetzt!"), 1, 0,
                    QStringLiteral("Datensätze ersetzen"), 1, 0xF4EAE3);
        }
    }
    if (CoverAktualisieren)
        CoverAktualisieren();
}

bool SearchComponent::replaceInFoundEntries(int &replaced)
{
    Data1 &data = m_catalogue.data();
    const int count = data.recordCount();
    // The texts as the search found them: an update changes every record that
    // holds the old text, and those must not be replaced a second time.
    std::vector<int> columns;
    QStringList fields;
    for (const QString &field : m_program.searchFieldList) {
        const int column = data.fieldIndex(field);
        if (column >= 0) {
            columns.push_back(column);
            fields << field;
        }
    }
    if (columns.empty() || count <= 0)
        return false;
    std::vector<QStringList> found(static_cast<size_t>(count));
    data.scanColumns(columns, [&](int position, const QByteArray *texts) {
        if (position >= 0 && position < count) {
            QStringList &row = found[static_cast<size_t>(position)];
            for (size_t c = 0; c < columns.size(); ++c)
                row << QString::fromUtf8(texts[c]);
        }
        return true;
    });

    const QString &from = m_program.replaceSearchText;
    bool tookPlace = false;
    for (const QStringList &row : found) {
        for (int c = 0; c < row.size() && c < fields.size(); ++c) {
            const QString &old = row[c];
            if (!old.contains(from, Qt::CaseSensitive))
                continue;
            tookPlace = true;
            DatabaseError error;
            const int changed =
                data.execute(replaceStatement(fields[c], old, replacedFirst(old, from, m_program.replaceText)), error);
            if (changed < 0) {
                // What was changed so far stays changed and is counted in the report that follows.
                failureReport(m_program, &m_window, kProcedure, error.number,
                              QStringLiteral("Beim Ersetzen in „%1“ ist ein Fehler aufgetreten: ").arg(fields[c])
                                  + error.description);
                return true;
            }
            replaced += changed;
        }
    }
    return tookPlace;
}

bool SearchComponent::collectSongRating()
{
    // A program folder without playlists yet gets its folder with the first collection.
    QDir().mkpath(m_playlists.playlistFolder());
    m_playlists.beginSearchList();
    Data1 &data = m_catalogue.data();
    RecordTableModel &model = m_catalogue.model();
    QTableView *grid = m_catalogue.grid();
    QListWidget *tracks = m_player.filTrack();
    const QStringList styles = m_exclusions.styles();
    const QStringList bands = m_exclusions.bands();
    const QString marker = m_program.songRatingText;
    const QString panelBefore = m_status.panel(1);
    const int rows = model.rowCount();
    for (int position = 0; position < rows; ++position) {
        m_status.setPanel(1, QStringLiteral(" Suche Bewertung: Eintrag %1 von %2").arg(position + 1).arg(rows));
        const int column = std::max(0, grid->currentIndex().column());
        grid->selectionModel()->setCurrentIndex(model.index(position, column),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (data.absolutePosition() != position)
            data.setAbsolutePosition(position);
        doEvents();
        tracks->clearSelection();
        bool selected = false;
        for (int i = 0; i < tracks->count(); ++i) {
            if (trackHasRating(tracks->item(i)->text(), marker)) {
                tracks->item(i)->setSelected(true);
                selected = true;
            }
        }
        if (selected && !isExcluded(model.cellText(position, m_player.StilSpalte), model.cellText(position, 0), styles,
                                    bands))
            m_playlists.mnuPlaylistAufnehmen_Click();
        if (m_program.PauseAbbrechen) {
            m_program.PauseAbbrechen = false;
            break;
        }
    }
    m_status.setPanel(1, panelBefore);

    m_playlists.mnuPlaylistLaden_Click();
    m_program.songRatingSearch = false;
    QAction *anzeigen = m_window.findChild<QAction *>(QStringLiteral("mnuPlaylistAnzeigen"));
    if (anzeigen)
        anzeigen->setChecked(false);
    m_playlists.hideView();

    const QString answer = InputLumo(m_program, &m_window, QStringLiteral("Namen der Playlist eingeben."),
                                     QStringLiteral("Neue Playlist"), QString());
    if (answer.isEmpty())
        return false;
    m_playlists.PlaylistName = playlistFileName(answer);
    m_playlists.PlaylistSpeichern();
    m_playlists.readFileList();
    if (anzeigen)
        anzeigen->setChecked(true);
    m_playlists.showView();
    return true;
}

} // namespace klangtruhe
