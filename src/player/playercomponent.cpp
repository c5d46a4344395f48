#include "player/playercomponent.h"

#include "app/mainlayout.h"
#include "app/program.h"
#include "app/settingkeys.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "common/twips.h"
#include "player/frmwinmediaplayer.h"
#include "player/mcilayer.h"
#include "player/mediacomponent.h"
#include "player/picturebutton.h"
#include "player/playerrules.h"
#include "player/playersequencing.h"
#include "player/sequencer.h"
#include "player/shufflecontrol.h"
#include "common/events.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <algorithm>
#include <QMenu>
#include <QPushButton>

namespace klangtruhe {

namespace {

QCheckBox *makeCheckBox(QWidget *area, const char *name, const QString &caption, const QString &tip)
{
    auto *box = new QCheckBox(caption, area);
    box->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty())
        box->setToolTip(tip);
    return box;
}

} // namespace

PlayerComponent::PlayerComponent(Program &program, QMainWindow &window, StatusBar &status,
                                 CatalogueComponent &catalogue)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_status(status)
    , m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("PlayerComponent"));
    QWidget *area = window.centralWidget();
    buildControls(area);
    connectMenu();
    buildSequencing(area);

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        if (hooks.sequencingTick)
            hooks.sequencingTick();
    });
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer2.setInterval(500);
    connect(&m_timer2, &QTimer::timeout, this, &PlayerComponent::Timer2_Timer);

    m_catalogue.hooks.trackList = [this] { fillTrackList(); };
    window.installEventFilter(this);
}

PlayerComponent::~PlayerComponent()
{
    m_timer1.stop();
    m_timer2.stop();
    m_timerPosAB.stop();
    m_window.removeEventFilter(this);
}

void PlayerComponent::buildControls(QWidget *area)
{
    m_filTrack = new QListWidget(area);
    m_filTrack->setObjectName(QStringLiteral("filTrack"));
    m_filTrack->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_filTrack->setContextMenuPolicy(Qt::CustomContextMenu);
    m_filTrack->setEnabled(false);
    m_filTrack->installEventFilter(this);
    m_trackViewport = m_filTrack->viewport();
    m_trackViewport->installEventFilter(this);
    connect(m_filTrack, &QListWidget::itemClicked, this, [this] { onTrackClicked(); });
    connect(m_filTrack, &QListWidget::itemDoubleClicked, this, [this] { imgStart_Click(); });
    connect(m_filTrack, &QWidget::customContextMenuRequested, this, &PlayerComponent::showTrackMenu);

    m_trackMenu = new QMenu(m_filTrack);
    m_trackMenu->setObjectName(QStringLiteral("mnuTrackToPlaylist"));
    QAction *add = m_trackMenu->addAction(QStringLiteral("In Playlist aufnehmen     F11"));
    add->setObjectName(QStringLiteral("mnuTrackInPlaylist"));
    m_trackMenu->setDefaultAction(add);
    connect(add, &QAction::triggered, this, [this] {
        if (hooks.trackInPlaylist)
            hooks.trackInPlaylist();
    });

    m_mediaPlayer = createMediaComponent(m_program.fakeMedia, area);
    m_mediaPlayer->setObjectName(QStringLiteral("MediaPlayer1"));
    m_mediaPlayer->widget()->setObjectName(QStringLiteral("MediaPlayer1"));
    m_mediaPlayer->widget()->hide();
    connect(m_mediaPlayer.get(), &MediaComponent::playStateChanged, this, &PlayerComponent::onPlayStateChanged);
    connect(m_mediaPlayer.get(), &MediaComponent::mouseReleased, this, &PlayerComponent::onMediaMouseReleased);

    m_mci = std::make_unique<MciLayer>(m_program.fakeMedia);
    m_movieWindow = std::make_unique<frmWinMediaPlayer>(m_program);
    m_movieWindow->hooks.start = [this] { imgStart_Click(); };
    m_movieWindow->hooks.stop = [this] {
        m_program.StopNachPause = true;
        imgStop_Click();
    };
    m_movieWindow->hooks.randomEntry = [this] { sequencer().shuffle().TontraegerZufaellig(); };
    m_movieWindow->hooks.trackCount = [this] { return trackCount(); };

    cmdInfoTrack = new QPushButton(QStringLiteral("i"), area);
    cmdInfoTrack->setObjectName(QStringLiteral("cmdInfoTrack"));
    cmdInfoTrack->setToolTip(QStringLiteral(" Track Info "));
    cmdInfoTrack->hide();
    connect(cmdInfoTrack, &QPushButton::clicked, this, &PlayerComponent::cmdInfoTrack_Click);

    cmdPlayAsso = new QPushButton(QStringLiteral("Extern"), area);
    cmdPlayAsso->setObjectName(QStringLiteral("cmdPlayAsso"));
    cmdPlayAsso->setToolTip(QStringLiteral(" Mit dem zugeordneten Programm abspielen "));
    connect(cmdPlayAsso, &QPushButton::clicked, this, &PlayerComponent::cmdPlayAsso_Click);

    buildTransport(area);
    buildAbLoop(area);
    buildTrackStars(area);
    buildPlayModes(area);
    placeMediaPlayer();
}

void PlayerComponent::buildTransport(QWidget *area)
{
    const auto &row = layout::kTransportRow;
    const double step = 480;
    const auto place = [&](PictureButton *button, int slot) {
        button->move(twipsPoint(row.left + slot * step, row.top));
    };
    m_imgStart = new PictureButton(QStringLiteral("imgStart"), QStringLiteral(" Play "), area);
    m_imgStop = new PictureButton(QStringLiteral("imgStop"), QStringLiteral(" Stop & Close "), area);
    m_imgPause0 = new PictureButton(QStringLiteral("imgPause_0"), QStringLiteral(" Pause -> Play "), area);
    m_imgPause1 = new PictureButton(QStringLiteral("imgPause_1"), QStringLiteral(" Play "), area);
    m_imgResume = new PictureButton(QStringLiteral("imgResume"), QStringLiteral(" Resume "), area);
    m_imgVorBack0 = new PictureButton(QStringLiteral("imgVorBack_0"), QStringLiteral(" Zurück "), area);
    m_imgVorBack1 = new PictureButton(QStringLiteral("imgVorBack_1"), QStringLiteral(" Vor "), area);
    place(m_imgStart, 0);
    place(m_imgStop, 1);
    place(m_imgPause0, 2);
    place(m_imgPause1, 2);
    place(m_imgResume, 3);
    place(m_imgVorBack0, 4);
    place(m_imgVorBack1, 5);
    m_imgPause1->hide();

    connect(m_imgStart, &PictureButton::clicked, this, &PlayerComponent::imgStart_Click);
    connect(m_imgStop, &PictureButton::clicked, this, &PlayerComponent::imgStop_Click);
    // A pause between tracks running now ends in Stop, not in the next track.
    connect(m_imgStop, &PictureButton::released, this, [this] { m_program.StopNachPause = true; });
    connect(m_imgPause0, &PictureButton::clicked, this, &PlayerComponent::imgPause_Click);
    connect(m_imgPause1, &PictureButton::clicked, this, &PlayerComponent::imgPause_Click);
    connect(m_imgResume, &PictureButton::clicked, this, &PlayerComponent::imgResume_Click);
    connect(m_imgVorBack0, &PictureButton::clicked, this, [this] { imgVorBack_Click(0); });
    connect(m_imgVorBack1, &PictureButton::clicked, this, [this] { imgVorBack_Click(1); });

    chkVisualisierung = makeCheckBox(area, "chkVisualisierung", QStringLiteral("Visual"), QString());
    chkVisualisierung->setChecked(true);
    // Slot 6 holds imgLiedzufall, slot 7 the A-B button.
    chkVisualisierung->setGeometry(twipsRect(row.left + 8 * step + 60, row.top + 90, 840, 300));
    connect(chkVisualisierung, &QCheckBox::clicked, this, &PlayerComponent::chkVisualisierung_Click);
    chkVollbild = makeCheckBox(area, "chkVollbild", QStringLiteral("Vollbild"), QString());
    chkVollbild->setGeometry(twipsRect(row.left + 8 * step + 960, row.top + 90, 1000, 300));
    connect(chkVollbild, &QCheckBox::clicked, this, &PlayerComponent::chkVollbild_Click);
}

void PlayerComponent::buildPlayModes(QWidget *area)
{
    // The interlocks between the boxes belong to the sequencing; here they only exist.
    chkAlleTracks = makeCheckBox(area, "chkAlleTracks", QStringLiteral("Alle"),
                                 QStringLiteral(" Alle Titel dieses Tonträgers abspielen "));
    chkMarkTracks = makeCheckBox(area, "chkMarkTracks", QStringLiteral("sel. Tracks"), QString());
    chkTracksZufaellig = makeCheckBox(area, "chkTracksZufaellig", QStringLiteral("Zufällig"),
                                      QStringLiteral(" Zufällig die Titel auswählen "));
    chkTracksAnspielen = makeCheckBox(area, "chkTracksAnspielen", QStringLiteral("Anspielen"),
                                      QStringLiteral(" Titel anspielen "));
    chkRepeat = makeCheckBox(area, "chkRepeat", QStringLiteral("Repeat"), QStringLiteral(" wiederholen "));
    chkShuffle = makeCheckBox(area, "chkShuffle", QStringLiteral("Shuffle"),
                              QStringLiteral(" Tonträger u. Song zufällig wählen "));
    chkTracksZufaellig->setEnabled(false);
    chkTracksAnspielen->setEnabled(false);
    chkRepeat->setEnabled(false);

    const auto &rows = layout::kPlayModeRows;
    QCheckBox *const order[] = {chkAlleTracks, chkMarkTracks, chkTracksZufaellig,
                                chkTracksAnspielen, chkRepeat, chkShuffle};
    const double width = rows.width / 3;
    for (int i = 0; i < 6; ++i) {
        order[i]->setGeometry(
            twipsRect(rows.left + (i % 3) * width, rows.top + (i / 3) * rows.height / 2, width, rows.height / 2));
    }
}

void PlayerComponent::connectMenu()
{
    m_mnuLaufschrift = m_window.findChild<QAction *>(QStringLiteral("mnuLaufschrift"));
    if (m_mnuLaufschrift) {
        m_mnuLaufschrift->setEnabled(true);
        connect(m_mnuLaufschrift, &QAction::triggered, this, &PlayerComponent::mnuLaufschrift_Click);
    }
    m_mnuWinPlayerVerwenden = m_window.findChild<QAction *>(QStringLiteral("mnuWinPlayerVerwenden"));
    if (m_mnuWinPlayerVerwenden) {
        m_mnuWinPlayerVerwenden->setEnabled(true);
        m_mnuWinPlayerVerwenden->setChecked(true);
        connect(m_mnuWinPlayerVerwenden, &QAction::triggered, this, &PlayerComponent::mnuWinPlayerVerwenden_Click);
    }
}

void PlayerComponent::readSettings()
{
    SettingsStore &settings = m_program.settings;
    if (m_mnuLaufschrift)
        m_mnuLaufschrift->setChecked(settings.read(keys::Laufschrift) == QLatin1String("ein"));
    if (m_mnuWinPlayerVerwenden)
        m_mnuWinPlayerVerwenden->setChecked(settings.read(keys::WinMediaPlayer) == QLatin1String("True"));
    chkVisualisierung->setChecked(settings.read(keys::WinMediaPlayerVisualisierung) == QLatin1String("1"));
    placeMediaPlayer();
    // The counter starts at the setting, so the first shuffle choice draws a new entry.
    SongsAufTontraeger() = songsPerEntry(m_program);
}

double PlayerComponent::secondsLeftInTrack()
{
    if (!mediaPlayerInUse()) {
        if (m_mci->openAlias().isEmpty() || m_mci->player().playState() != MediaComponent::Playing)
            return -1.0;
        return std::max(0.0, TrackEnde - timeOfDay());
    }
    MediaComponent &playing = VideoModus ? m_movieWindow->WindowsMediaPlayer1() : *m_mediaPlayer;
    if (playing.playState() != MediaComponent::Playing)
        return -1.0;
    const double length = playing.duration();
    return length < 0 ? -1.0 : std::max(0.0, length - playing.currentPosition());
}

double PlayerComponent::outputVolume() const
{
    return m_mediaPlayer->volume();
}

void PlayerComponent::setOutputVolume(double level)
{
    m_mediaPlayer->setVolume(level);
    m_mci->player().setVolume(level);
    m_movieWindow->WindowsMediaPlayer1().setVolume(level);
}

bool PlayerComponent::mediaPlayerInUse() const
{
    return m_mnuWinPlayerVerwenden && m_mnuWinPlayerVerwenden->isChecked();
}

void PlayerComponent::mnuLaufschrift_Click()
{
    // The action has toggled its check mark already.
    m_program.settings.write(keys::Laufschrift,
                             m_mnuLaufschrift->isChecked() ? QStringLiteral("ein") : QStringLiteral("aus"));
}

void PlayerComponent::mnuWinPlayerVerwenden_Click()
{
    m_program.settings.write(keys::WinMediaPlayer, m_mnuWinPlayerVerwenden->isChecked() ? QStringLiteral("True")
                                                                                      : QStringLiteral("False"));
}

void PlayerComponent::applyLayout(double)
{
    // The main window's layout rules place the track list and cmdPlayAsso;
    // here only the list's height of whole rows and the info button beside the caption.
    setTrackListRows(m_trackListRows);
    // A size change settles the title ticker as a state change does.
    onWindowStateChanged();
    const auto &caption = layout::kTrackCaption;
    QRect info = twipsRect(caption.left + caption.width + 60, caption.top - 30, 330, 300);
    // The caption is sized for its longest text: the button keeps its gap to it.
    if (const auto *label = cmdInfoTrack->parentWidget()->findChild<QLabel *>(QStringLiteral("Bez_12"),
                                                                              Qt::FindDirectChildrenOnly))
        info.moveLeft(std::max(info.left(), label->geometry().right() + 1 + twipsRect(0, 0, 60, 0).width()));
    cmdInfoTrack->setGeometry(info);
}

void PlayerComponent::setTrackListRows(int rows)
{
    m_trackListRows = rows;
    const int itemHeight = std::max(1, m_filTrack->sizeHintForRow(0) > 0 ? m_filTrack->sizeHintForRow(0)
                                                                         : m_filTrack->fontMetrics().height() + 2);
    const int frame = 2 * m_filTrack->frameWidth();
    m_filTrack->resize(m_filTrack->width(), itemHeight * rows + frame);
}

// --- media player and its view ----------------------------------------------

void PlayerComponent::placeMediaPlayer()
{
    const auto &cover = layout::kCover;
    if (chkVisualisierung->isChecked())
        m_mediaPlayer->widget()->setGeometry(twipsRect(cover.left, 1380, cover.width, 4150));
    else
        m_mediaPlayer->widget()->setGeometry(twipsRect(cover.left, 4575, cover.width, 960));
}

void PlayerComponent::chkVisualisierung_Click()
{
    m_mediaPlayer->widget()->hide();
    placeMediaPlayer();
    m_program.settings.write(keys::WinMediaPlayerVisualisierung,
                             chkVisualisierung->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    if (m_mediaPlayer->playState() == MediaComponent::Playing)
        m_mediaPlayer->widget()->show();
}

void PlayerComponent::chkVollbild_Click()
{
    m_mediaPlayer->setFullScreen(chkVollbild->isChecked());
}

void PlayerComponent::onPlayStateChanged(int state)
{
    if (chkVollbild->isChecked())
        m_mediaPlayer->setFullScreen(true);
    if (state == MediaComponent::Stopped)
        m_status.setPanel(2, QStringLiteral("no play"));
}

void PlayerComponent::onMediaMouseReleased(int button)
{
    if (button != 1)
        return;
    QListWidgetItem *item = m_filTrack->currentItem();
    if (!item || !isFilmForMciWindow(item->text()))
        return;
    imgStop_Click();
    doEvents();
    mciOpenAndPlay(m_program, *m_mci, musicFolder() + item->text(), QStringLiteral("MyAlias"));
}

QString PlayerComponent::musicFolder() const
{
    return m_program.localPath(m_catalogue.data().fieldValue(QStringLiteral("Musikpfad")));
}

} // namespace klangtruhe
