#include "app/ausgabebox.h"

#include "auxplayers/frmminiplayer.h"

#include "app/framecomponent.h"
#include "app/mainwindowlayout.h"
#include "app/menutable.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "player/mediakeys.h"
#include "app/titlestrip.h"
#include "app/toolbuttons.h"
#include "auxplayers/frmminiplayer.h"
#include "auxplayers/miniplayercomponent.h"
#include "auxplayers/sleepcomponent.h"
#include "catalogue/backupcomponent.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/detailview.h"
#include "player/playercomponent.h"
#include "player/playersequencerhost.h"
#include "catalogue/recordtablemodel.h"
#include "lists/exclusioncomponent.h"
#include "lists/playlistcomponent.h"
#include "lists/playlistview.h"
#include "texts/textscomponent.h"
#include "media/covercomponent.h"
#include "media/ebookcomponent.h"
#include "reports/reportscomponent.h"
#include "search/quicksearchcomponent.h"
#include "search/searchcomponent.h"
#include "webtranslate/webtranslatecomponent.h"
#include "common/events.h"
#include "common/helpactions.h"
#include "common/numbers.h"
#include "common/twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTextEdit>
#include <QTableView>
#include <cmath>

namespace klangtruhe {

Ausgabebox::Ausgabebox(std::unique_ptr<Program> program)
    : m_program(std::move(program))
{
    setObjectName(QStringLiteral("Ausgabebox"));
    setWindowTitle(QStringLiteral("Klangtruhe-Player"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("AusgabeboxFlaeche"));
    setCentralWidget(area);
    buildMenuBar(*this);
    m_status = new StatusBar(this);
    setStatusBar(m_status);

    m_catalogue = new CatalogueComponent(*m_program, *this, *m_status);
    m_backups = new BackupComponent(*m_program, *this, *m_catalogue);
    m_exclusions = new ExclusionComponent(*m_program, *this, [this] {
        // The band dialog offers the bands of the table as it stands: header, then column 0.
        RecordTableModel &model = m_catalogue->model();
        QStringList column{model.headerText(0)};
        for (int row = 0; row < model.rowCount(); ++row)
            column << model.cellText(row, 0);
        return column;
    });
    m_frame = new FrameComponent(*m_program, *this, *m_status);
    m_frame->closeAllWindows = [this] { Beenden(); };
    m_sleep = new SleepComponent(*m_program, *this, *m_status, [this] { Beenden(); });
    createToolButtons(*this, area);
    auto *title = new TitleStrip(area);
    connect(&m_catalogue->data(), &Data1::currentChanged, title, [this, title] {
        Data1 &data = m_catalogue->data();
        title->showEntry(data.fieldValue(QStringLiteral("Band")), data.fieldValue(QStringLiteral("LPTitel")));
    });
    m_catalogue->hooks.ShowHelp = [this](const QString &topic) { klangtruhe::ShowHelp(*m_program, topic); };
    m_catalogue->hooks.clearStilAusgeschlossen = [this] { m_program->StilAusgeschlossen = false; };
    m_player = new PlayerComponent(*m_program, *this, *m_status, *m_catalogue);
    new MediaKeys(*m_player, *m_status, *this);
    m_covers = new CoverComponent(*m_program, *this, *m_catalogue);
    m_catalogue->hooks.coverDisplay = [this] { m_covers->showEntryCover(); };
    m_catalogue->hooks.coverStrip = [this] { m_covers->followEntryInStrip(); };
    m_catalogue->hooks.coverStripRefresh = [this] { m_covers->CoverAktualisieren(); };
    m_ebooks = new EbookComponent(*m_program, *this, m_catalogue->detailView());
    m_catalogue->hooks.eBookList = [this] { m_ebooks->eBookListe(); };
    // Clicking any panel shows the playing entry.
    connect(m_status, &StatusBar::panelClicked, m_player, &PlayerComponent::AktuelleCDanzeigen);
    m_sleep->hooks = {[this] { return m_player->secondsLeftInTrack(); }, [this] { return m_player->outputVolume(); },
                      [this](double level) { m_player->setOutputVolume(level); }, [this] { m_player->imgStop_Click(); }};
    wirePlayerToDetailView();
    m_texts = new TextsComponent(*m_program, *this);
    m_catalogue->hooks.onlineSearch = [this](int label) { m_texts->onlineSearch(label); };
    m_quickSearch = new QuickSearchComponent(*m_program, *this, *m_catalogue, *m_player);
    m_quickSearch->hooks.setCoverKlick = [this] { m_covers->setCoverKlick(); };
    m_texts->hooks.Suchen = [this] { m_quickSearch->fullTextSuchen(); };
    m_texts->hooks.Weitersuchen = [this] { m_quickSearch->fullTextWeitersuchen(); };
    m_webTranslate = new WebTranslateComponent(*m_program, *this);
    PlayerSequencerHost &host = m_player->sequencerHost();
    host.readStyleExclusions = [this] { return m_exclusions->styles(); };
    host.readBandExclusions = [this] { return m_exclusions->bands(); };
    m_miniPlayer = new MiniPlayerComponent(*m_program, *this, *m_status, *m_player, *m_catalogue,
                                           {[this] { Beenden(); }, [this](bool on) {
                                                if (on)
                                                    m_frame->timer4()->start();
                                                else
                                                    m_frame->timer4()->stop();
                                            }});
    m_frame->closeMiniPlayer = [this] { m_miniPlayer->closeMiniPlayer(); };
    m_playlists = new PlaylistComponent(*m_program, *this, *m_player, m_catalogue->detailView().textPages());
    m_player->playlist = &m_playlists->view();
    m_player->hooks.trackInPlaylist = [this] { m_playlists->mnuPlaylistAufnehmen_Click(); };
    m_player->hooks.trackRenamed = [this](const QString &oldPath, const QString &newPath) {
        m_playlists->trackRenamed(oldPath, newPath);
    };
    m_catalogue->hooks.hidePlaylistView = [this] { m_playlists->hideView(); };
    // The playing (or double-clicked) playlist item shows its entry: a quick search from the first row.
    m_player->hooks.suchenPlaylistTitel = [this] {
        const PlaylistSource &playlist = m_playlists->view();
        m_quickSearch->restartQuickSearch();
        m_quickSearch->SuchenPlaylistTitel(playlist.itemText(playlist.selectedItem()));
    };
    m_texts->hooks.playlistPageClicked = [this] { m_playlists->readFileList(); };
    m_search = new SearchComponent(*m_program, *this, *m_status, *m_catalogue, *m_player, *m_playlists, *m_exclusions);
    m_search->CoverAktualisieren = [this] { m_covers->CoverAktualisieren(); };
    m_reports = new ReportsComponent(*m_program, *this, *m_catalogue);

    if (QAction *quit = findChild<QAction *>(QStringLiteral("mnuBeenden"))) {
        quit->setEnabled(true);
        connect(quit, &QAction::triggered, this, &Ausgabebox::Beenden);
    }
    resize(twipsSize(15225, 10725));
}

Ausgabebox::~Ausgabebox() = default;

void Ausgabebox::wirePlayerToDetailView()
{
    DetailView &detail = m_catalogue->detailView();
    PlayerHooks &hooks = m_player->hooks;
    hooks.setTrackCaption = [&detail](const QString &text) {
        if (QLabel *caption = detail.caption(12))
            caption->setText(text);
    };
    hooks.songTextBox = findChild<QTextEdit *>(QStringLiteral("txtSongText"));
    hooks.setLastFocusedControl = [this](const QString &name) { m_program->lastFocusedControl = name; };
    hooks.setCoverHeight = [this](int twips) {
        // The playing media player's control strip shows below a shorter cover.
        for (const char *name : {"Bild1", "imgBildpfad"}) {
            if (auto *cover = findChild<QWidget *>(QString::fromLatin1(name)))
                cover->resize(cover->width(), twipsToPixelsY(twips));
        }
    };
    hooks.entryRating = [&detail] { return detail.ratingText(); };
    hooks.showEntryStars = [&detail](int gold) { detail.showEntryStars(gold); };
}

void Ausgabebox::RegistryLesen()
{
    SettingsStore &settings = m_program->settings;
    // Each step stands alone: a value that does not convert leaves its target as it was.
    double state = 0;
    bool movable = true;
    if (parseStoredNumber(settings.read(keys::WindowState), state)) {
        if (state == 1) {
            setWindowState(Qt::WindowMinimized);
            movable = false;
        } else if (state == 2) {
            setWindowState(Qt::WindowMaximized);
            movable = false;
        } else if (state == 0) {
            setWindowState(Qt::WindowNoState);
        }
    }
    if (movable) {
        QRect bounds = geometry();
        double value = 0;
        if (parseStoredNumber(settings.read(keys::AusgabeboxLeft), value))
            bounds.moveLeft(twipsToPixelsX(value));
        if (parseStoredNumber(settings.read(keys::AusgabeboxTop), value))
            bounds.moveTop(twipsToPixelsY(value));
        if (parseStoredNumber(settings.read(keys::AusgabeboxWidth), value) && value > 0)
            bounds.setWidth(twipsToPixelsX(value));
        if (parseStoredNumber(settings.read(keys::AusgabeboxHeight), value) && value > 0)
            bounds.setHeight(twipsToPixelsY(value));
        setGeometry(bounds);
    }

    // "TopRow", the column layout and the column widths.
    m_catalogue->readGridSettings();

    // "Laufschrift", "WinMediaPlayer", "WinMediaPlayerVisualisierung".
    m_player->readSettings();

    // Program font of the detail fields, the grid and the playlist.
    double size = 0;
    if (parseStoredNumber(settings.read(keys::ProgSchriftSize), size) && size > 0)
        applyProgramFont(*this, settings.read(keys::ProgSchriftName), size, true);

    m_catalogue->loadRecentList();
    m_program->pathMap = parsePathMap(settings.read(keys::Pfadzuordnung));

    // "Lautsprecherregler": the volume tool comes up with the program (quietly
    // when there is none: the user did not ask for it just now).
    if (settings.read(keys::Lautsprecherregler) == QLatin1String("True"))
        m_miniPlayer->startVolumeToolAtStart();
}

void Ausgabebox::storePlacement()
{
    SettingsStore &settings = m_program->settings;
    if (isMinimized())
        return;
    if (isMaximized()) {
        settings.write(keys::WindowState, QStringLiteral("2"));
        return;
    }
    const QRect bounds = normalGeometry().isValid() ? normalGeometry() : geometry();
    settings.write(keys::WindowState, QStringLiteral("0"));
    settings.write(keys::AusgabeboxLeft, QString::number(std::lround(pixelsToTwipsX(bounds.left()))));
    settings.write(keys::AusgabeboxTop, QString::number(std::lround(pixelsToTwipsY(bounds.top()))));
    settings.write(keys::AusgabeboxWidth, QString::number(std::lround(pixelsToTwipsX(bounds.width()))));
    settings.write(keys::AusgabeboxHeight, QString::number(std::lround(pixelsToTwipsY(bounds.height()))));
}

void Ausgabebox::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        storePlacement();
        m_catalogue->storeColumnWidths();
        // The program ends with its main window, without waiting for other windows.
        QCoreApplication::exit(0);
    }
    event->accept();
}

void Ausgabebox::Beenden()
{
    if (m_program->closingAll)
        return;
    m_program->closingAll = true;
    DatabaseError error;
    m_catalogue->data().refresh(error); // stores a pending edit of the current entry
    doEvents();
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    close();
    doEvents();
}

void Ausgabebox::bringToFront()
{
    // A second start finds the program as it is: the mini player stays in the main window's place.
    if (frmMiniPlayer *mini = m_miniPlayer->miniPlayerVisible() ? m_miniPlayer->miniPlayer() : nullptr) {
        if (mini->isMinimized())
            mini->showNormal();
        mini->raise();
        mini->activateWindow();
        return;
    }
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void Ausgabebox::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void Ausgabebox::applyLayout()
{
    QWidget *area = centralWidget();
    if (!area)
        return;
    auto control = [area](const char *name) { return area->findChild<QWidget *>(QString::fromLatin1(name)); };
    const QSizeF inner(pixelsToTwipsX(area->width()), pixelsToTwipsY(area->height()));
    // The player sizes its track list to whole rows first; the quick search goes below it.
    m_player->applyLayout(inner.width());
    LayoutInputs inputs;
    if (QWidget *list = control("filTrack"))
        inputs.trackListHeight = pixelsToTwipsY(list->height());
    if (m_covers)
        inputs.coverFiles = static_cast<int>(m_covers->coverList().size());
    const MainWindowGeometry g = mainWindowGeometry(inner, 0, inputs);

    // Sizes that would be invalid are skipped; the control keeps its last place.
    auto place = [](QWidget *widget, const QRectF &r) {
        if (widget && r.width() > 0 && r.height() > 0)
            widget->setGeometry(twipsRect(r.left(), r.top(), r.width(), r.height()));
    };
    place(m_catalogue->grid(), g.grid);
    place(control("lblGradiant_0"), g.titleStrip);
    place(control("cmdPlayAsso"), g.playAsso);
    place(control("filTrack"), g.trackList);
    place(control("txtSuchen"), g.quickSearch);
    place(control("txtSongText"), g.songText);
    if (QWidget *stars = control("fraSternTrack")) {
        place(stars, g.trackStars);
        stars->setVisible(g.trackStarsVisible);
    }
    if (m_covers)
        m_covers->setCoverSlots(g.coverSlots);
}

} // namespace klangtruhe
