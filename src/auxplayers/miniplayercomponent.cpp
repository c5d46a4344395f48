#include "auxplayers/miniplayercomponent.h"

#include "app/icons.h"
#include "app/program.h"
#include "app/settingkeys.h"
#include "app/statusbar.h"
#include "auxplayers/frmminiplayer.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "common/events.h"
#include "common/helpactions.h"
#include "common/msglumo.h"
#include "common/wincolour.h"
#include "common/numbers.h"
#include "common/positionform.h"
#include "common/twips.h"
#include "player/mediacomponent.h"
#include "player/picturebutton.h"
#include "player/playercomponent.h"
#include "player/playerrules.h"
#include "player/playersequencerhost.h"
#include "player/playlistsource.h"
#include "player/sequencer.h"
#include "player/shufflecontrol.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMainWindow>
#include <QScreen>
#include <cmath>

namespace klangtruhe {

MiniPlayerComponent::MiniPlayerComponent(Program &program, QMainWindow &window, StatusBar &status,
                                         PlayerComponent &player, CatalogueComponent &catalogue,
                                         MiniPlayerFrameHooks frame)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_status(status)
    , m_player(player)
    , m_catalogue(catalogue)
    , m_frame(std::move(frame))
{
    setObjectName(QStringLiteral("MiniPlayerComponent"));
    if (QWidget *area = window.centralWidget()) {
        const int size = twipsToPixelsX(420);
        m_imgMiniPlayer = new PictureButton(QStringLiteral("imgMiniPlayer"), QStringLiteral(" Miniplayer "),
                                            klangtruheIcon(QStringLiteral("miniplayer")).pixmap(size, size), area);
        // Beside the tool buttons, where the row ends.
        m_imgMiniPlayer->move(twipsPoint(8070, 105));
        connect(m_imgMiniPlayer, &PictureButton::clicked, this, &MiniPlayerComponent::imgMiniPlayer_Click);
        m_imgLautsprecherregler =
            new PictureButton(QStringLiteral("imgLautsprecherregler"), QStringLiteral(" Lautsprecherregler anzeigen "),
                              klangtruheIcon(QStringLiteral("lautsprecher")).pixmap(size, size), area);
        m_imgLautsprecherregler->move(twipsPoint(8070, 585));
        connect(m_imgLautsprecherregler, &PictureButton::clicked, this, [this] { imgLautsprecherregler_Click(); });
    }

    m_mnuMiniPlayerOnTop = window.findChild<QAction *>(QStringLiteral("mnuMiniPlayerOnTop"));
    if (m_mnuMiniPlayerOnTop) {
        m_mnuMiniPlayerOnTop->setEnabled(true);
        m_mnuMiniPlayerOnTop->setCheckable(true);
        m_mnuMiniPlayerOnTop->setChecked(program.settings.read(keys::MiniPlayerOnTop) == QLatin1String("True"));
        connect(m_mnuMiniPlayerOnTop, &QAction::triggered, this, [this](bool checked) {
            m_program.settings.write(keys::MiniPlayerOnTop, checked ? QStringLiteral("True") : QStringLiteral("False"));
        });
    }
    m_mnuStartLautregler = window.findChild<QAction *>(QStringLiteral("mnuStartLautregler"));
    if (m_mnuStartLautregler) {
        m_mnuStartLautregler->setEnabled(true);
        m_mnuStartLautregler->setCheckable(true);
        m_mnuStartLautregler->setChecked(program.settings.read(keys::Lautsprecherregler) == QLatin1String("True"));
        connect(m_mnuStartLautregler, &QAction::triggered, this, [this](bool checked) {
            m_program.settings.write(keys::Lautsprecherregler, checked ? QStringLiteral("True") : QStringLiteral("False"));
        });
    }
    wirePlayer();
}

void MiniPlayerComponent::imgLautsprecherregler_Click(std::optional<QRectF> miniPlayerPlace)
{
    startVolumeTool(miniPlayerPlace, true);
}

void MiniPlayerComponent::startVolumeToolAtStart()
{
    startVolumeTool({}, false);
}

void MiniPlayerComponent::startVolumeTool(std::optional<QRectF> miniPlayerPlace, bool tellWhenMissing)
{
    const VolumeTool tool = m_program.platform().volumeTool(m_program.programFolder);
    if (tool.command.isEmpty()) {
        if (!tellWhenMissing)
            return;
        QWidget *reference = miniPlayerVisible() ? static_cast<QWidget *>(m_miniPlayer.data()) : &m_window;
        MsgLumo(m_program, reference, tool.missingText, 3, 0, QStringLiteral("Lautsprecherregler"), 1,
                colours::WarningBack, colours::DialogText);
        return;
    }
    if (miniPlayerPlace && tool.placedBesideMiniPlayer) {
        const VolumeToolPlace place =
            volumeToolPlace(miniPlayerPlace->left(), miniPlayerPlace->top(), miniPlayerPlace->width());
        const QString application = QString::fromLatin1(kVolumeApplicationName);
        m_program.settings.write(application, QString::fromLatin1(kOptionsSection),
                                 QString::fromLatin1(keys::VolumeMiniplayerLeft.name), place.left);
        m_program.settings.write(application, QString::fromLatin1(kOptionsSection),
                                 QString::fromLatin1(keys::VolumeMiniplayerTop.name), place.top);
    }
    m_program.platform().startProcess(tool.command.first(), tool.command.mid(1));
}

MiniPlayerComponent::~MiniPlayerComponent() = default;

void MiniPlayerComponent::wirePlayer()
{
    PlayerHooks &hooks = m_player.hooks;
    hooks.miniPlayerTicker = [this](bool on) {
        if (!m_miniPlayer)
            return;
        if (on)
            m_miniPlayer->Timer3().start();
        else
            m_miniPlayer->Timer3().stop();
    };
    hooks.setMiniPlayerCaption = [this](const QString &caption) { setCaption(caption); };
    hooks.miniPlayerPauseAus = [this] {
        if (m_miniPlayer)
            m_miniPlayer->ABsonderzeichen();
    };
    PlayerSequencerHost &host = m_player.sequencerHost();
    host.isMiniPlayerVisible = [this] { return miniPlayerVisible(); };
    host.miniPlayerPauseActive = [this](bool active) { showPauseActive(active); };
    host.miniPlayerCaption = [this](const QString &caption) { setCaption(caption); };
}

frmMiniPlayer *MiniPlayerComponent::miniPlayer() const
{
    return m_miniPlayer.data();
}

bool MiniPlayerComponent::miniPlayerVisible() const
{
    return m_miniPlayer && m_miniPlayer->isVisible();
}

void MiniPlayerComponent::setCaption(const QString &caption)
{
    if (m_miniPlayer)
        m_miniPlayer->setWindowTitle(caption);
}

void MiniPlayerComponent::showPauseActive(bool active)
{
    if (!m_miniPlayer)
        return;
    m_miniPlayer->button(6)->setVisible(!active);
    m_miniPlayer->button(10)->setVisible(active);
}

void MiniPlayerComponent::closeMiniPlayer()
{
    if (m_miniPlayer)
        m_miniPlayer->close();
}

void MiniPlayerComponent::imgMiniPlayer_Click()
{
    m_window.hide();
    if (m_frame.setLoadDisplay)
        m_frame.setLoadDisplay(false);
    storeMainWindowState();

    if (!m_miniPlayer) {
        MiniPlayerHost host;
        host.playerStatus = [this] { return m_status.panel(2); };
        host.MiniPlayerPause = [this] { MiniPlayerPause(); };
        host.MiniPlayerPosAB = [this] { MiniPlayerPosAB(); };
        host.MiniPlayerStop = [this] { MiniPlayerStop(); };
        host.MiniPlayerVorBackStart = [this] { MiniPlayerVorBackStart(); };
        host.MiniPlayerResume = [this] { MiniPlayerResume(); };
        host.TontraegerZufaellig = [this] { m_player.sequencer().shuffle().TontraegerZufaellig(); };
        host.stepTrack = [this](int direction) { return stepTrack(direction); };
        host.showMainWindow = [this] { showMainWindow(); };
        host.laufschrift = [this] {
            const auto *entry = m_window.findChild<QAction *>(QStringLiteral("mnuLaufschrift"));
            return entry && entry->isChecked();
        };
        host.tickerText = [this](int phase) { return tickerText(phase); };
        host.playerStopped = [this] { return m_player.MediaPlayer1().playState() == MediaComponent::Stopped; };
        host.abortPause = [this] { m_program.PauseAbbrechen = true; };
        host.startVolumeTool = [this](double left, double top, double width) {
            imgLautsprecherregler_Click(QRectF(left, top, width, miniplayer::HorizontalHeight));
        };
        host.closeProgram = [this] {
            if (m_frame.closeAllWindows)
                m_frame.closeAllWindows();
        };
        m_miniPlayer = new frmMiniPlayer(m_program.settings, std::move(host), &m_window);
    }
    doEvents();

    const QRect screen = workAreaNear(&m_window);
    const double height = miniplayer::HorizontalHeight;
    const double top = miniPlayerFirstTop(m_program.settings.read(keys::MiniPlayerTop),
                                          pixelsToTwipsY(screen.height()), height);
    double left = 50;
    parseStoredNumber(m_program.settings.read(keys::MiniPlayerLeft), left);
    m_miniPlayer->move(twipsPoint(left, top));

    const bool onTop = m_mnuMiniPlayerOnTop && m_mnuMiniPlayerOnTop->isChecked();
    m_miniPlayer->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    m_miniPlayer->show();
    // Activation happens when the window system gets to it; the stored position counts from the start.
    m_miniPlayer->Form_Activate();
    if (onTop)
        m_miniPlayer->raise();
    doEvents();

    const auto *laufschrift = m_window.findChild<QAction *>(QStringLiteral("mnuLaufschrift"));
    if (laufschrift && laufschrift->isChecked() && m_status.panel(2).contains(QLatin1String("playing:")))
        m_miniPlayer->Timer3().start();
    const AbLoop &ab = m_player.abLoop();
    m_miniPlayer->showPlayerState(m_player.Pausiert, abPicturesFor(ab.posAGesetzt(), ab.posA()));
}

void MiniPlayerComponent::showMainWindow()
{
    m_window.setVisible(true);
    m_window.show();
    if (m_frame.setLoadDisplay)
        m_frame.setLoadDisplay(true);
    if (auto *search = m_window.findChild<QWidget *>(QStringLiteral("txtSuchen")))
        search->setFocus();
}

void MiniPlayerComponent::storeMainWindowState()
{
    SettingsStore &settings = m_program.settings;
    const QRect bounds = m_window.geometry();
    settings.write(keys::AusgabeboxLeft, QString::number(std::lround(pixelsToTwipsX(bounds.left()))));
    settings.write(keys::AusgabeboxTop, QString::number(std::lround(pixelsToTwipsY(bounds.top()))));
    settings.write(keys::AusgabeboxWidth, QString::number(std::lround(pixelsToTwipsX(bounds.width()))));
    settings.write(keys::AusgabeboxHeight, QString::number(std::lround(pixelsToTwipsY(bounds.height()))));
    m_catalogue.storeColumnWidths();
    if (const auto *box = m_window.findChild<QCheckBox *>(QStringLiteral("chkBildpfad")))
        settings.write(keys::HaekchenBildpfad, QString::number(box->isChecked() ? 1 : 0));
}

bool MiniPlayerComponent::stepTrack(int direction)
{
    int &current = m_program.AktuellerTrack;
    if (!m_program.PlaylistModus || !m_player.playlist) {
        // Marked tracks play no part here.
        const int count = m_player.filTrack() ? m_player.filTrack()->count() : 0;
        current = direction == 0 ? trackListBack(current, count, false, {}) : trackListForward(current, count);
        return true;
    }
    PlaylistSource &list = *m_player.playlist;
    const auto checked = [&list](int n) { return list.isChecked(n); };
    const std::optional<int> next = direction == 0 ? playlistBack(current, list.itemCount(), checked)
                                                   : playlistForward(current, list.itemCount(), checked);
    if (!next)
        return false; // nothing checked: nothing to play
    current = *next;
    list.selectItem(current);
    return true;
}

QString MiniPlayerComponent::tickerText(int phase) const
{
    PlaylistSource *list = m_program.PlaylistModus ? m_player.playlist : nullptr;
    const int item = m_program.AktuellerTrack;
    switch (phase) {
    case 1:
        if (list)
            return list->bandUndCd(item).chopped(std::min<qsizetype>(1, list->bandUndCd(item).size()));
        return m_catalogue.data().fieldValue(QStringLiteral("Band"));
    case 2:
        if (list)
            return list->itemText(item).chopped(std::min<qsizetype>(4, list->itemText(item).size()));
        return m_catalogue.data().fieldValue(QStringLiteral("LPTitel"));
    default: {
        // Like the main window's ticker: the name without its ending.
        if (list)
            return withoutEnding(list->itemText(item));
        const QListWidgetItem *current = m_player.filTrack() ? m_player.filTrack()->currentItem() : nullptr;
        return current ? withoutEnding(current->text()) : QString();
    }
    }
}

void MiniPlayerComponent::MiniPlayerPause()
{
    m_player.imgPause_Click();
}

void MiniPlayerComponent::MiniPlayerPosAB()
{
    m_player.imgPosAB_Click(0);
}

void MiniPlayerComponent::MiniPlayerStop()
{
    m_program.StopNachPause = true;
    m_player.imgStop_Click();
}

void MiniPlayerComponent::MiniPlayerVorBackStart()
{
    m_player.imgStart_Click();
}

void MiniPlayerComponent::MiniPlayerResume()
{
    m_player.imgResume_Click();
}

} // namespace klangtruhe
