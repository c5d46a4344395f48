#include "player/frmwinmediaplayer.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "common/events.h"
#include "common/gradient.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "player/mediacomponent.h"
#include "player/picturebutton.h"

#include <QCloseEvent>

namespace klangtruhe {

namespace {

constexpr double kButtonSize = 345;  // twips, square
constexpr double kBottomGap = 60;    // twips under the button row
constexpr double kButtonStrip = 450; // twips the player leaves free at the bottom

struct ButtonDesign {
    const char *tip;
    double left; // twips
    bool visible;
    const char *picture;
};

// imgVorBack(0..9): tooltips, left edges and first visibility; 4..6 and 7/8
// share a place, only one of each group shows.
const std::array<ButtonDesign, 10> kButtons = {{
    {" Zurück ", 1170, true, "zurueck"},
    {" Vor ", 1705, true, "vor"},
    {" Track zufällig ", 2240, true, "zufall"},
    {" Stop & Exit ", 635, true, "stop"},
    {" Pos-A festlegen ", 100, true, "ab-0"},
    {" Pos-B festlegen ", 100, false, "ab-1"},
    {" exit Pos A-B ", 100, false, "ab-2"},
    {" in Fenster einpassen ", 2775, true, "einpassen"},
    {" Originalgröße  ", 2775, false, "originalgroesse"},
    {" Vollbild ", 3300, true, "vollbild"},
}};

int storedNumber(Program &program, const SettingKey &key)
{
    return static_cast<int>(leadingNumber(program.settings.read(key)));
}

} // namespace

frmWinMediaPlayer::frmWinMediaPlayer(Program &program, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmWinMediaPlayer"));
    setWindowTitle(QStringLiteral("Movie Player"));
    new GradientBackground(this, 0xDEC9AD, 0xF4EAE3, 0);

    m_player = createMediaComponent(program.fakeMedia, this);
    m_player->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    QWidget *view = m_player->widget();
    view->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    // Matches the first button of the 7/8 pair: pictures keep their own size.
    m_player->setStretchToFit(false);

    m_timerPosAB.setObjectName(QStringLiteral("TimerPosAB"));
    m_timerPosAB.setInterval(500);
    connect(&m_timerPosAB, &QTimer::timeout, this, &frmWinMediaPlayer::TimerPosAB_Timer);

    buildButtons();
    resize(twipsSize(9315, 6750));
}

frmWinMediaPlayer::~frmWinMediaPlayer()
{
    m_player->close();
}

void frmWinMediaPlayer::buildButtons()
{
    const int size = twipsToPixelsY(kButtonSize);
    for (int i = 0; i < int(kButtons.size()); ++i) {
        const ButtonDesign &design = kButtons[i];
        auto *button = new PictureButton(QStringLiteral("imgVorBack_%1").arg(i), QString::fromUtf8(design.tip),
                                         transportIcon(QString::fromLatin1(design.picture), size), this);
        button->move(twipsToPixelsX(design.left), 0);
        button->setVisible(design.visible);
        connect(button, &PictureButton::clicked, this, [this, i] { imgVorBack_Click(i); });
        m_imgVorBack[i] = button;
    }
}

void frmWinMediaPlayer::setVisible(bool visible)
{
    if (visible && !m_loaded)
        Form_Load();
    QWidget::setVisible(visible);
}

void frmWinMediaPlayer::Form_Load()
{
    m_loaded = true;
    // Geometry first: the window state keeps it as the normal placement.
    const Qt::WindowStates keep = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    setWindowState(keep);
    move(twipsPoint(storedNumber(m_program, keys::WinMediaPlayerLeft),
                    storedNumber(m_program, keys::WinMediaPlayerTop)));
    const QSize size = twipsSize(storedNumber(m_program, keys::WinMediaPlayerWidth),
                                 storedNumber(m_program, keys::WinMediaPlayerHeight));
    if (size.width() > 0 && size.height() > 0)
        resize(size);
    switch (movieWindowStateOf(storedNumber(m_program, keys::WinMediaPlayerWindowState))) {
    case MovieWindowState::Minimised:
        setWindowState(keep | Qt::WindowMinimized);
        break;
    case MovieWindowState::Maximised:
        setWindowState(keep | Qt::WindowMaximized);
        break;
    case MovieWindowState::Normal:
        break;
    }
    ABsonderzeichen();
}

void frmWinMediaPlayer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int playerHeight = height() - twipsToPixelsY(kButtonStrip);
    if (width() > 0 && playerHeight > 0)
        m_player->widget()->setGeometry(0, 0, width(), playerHeight);
    for (PictureButton *button : m_imgVorBack)
        button->move(button->x(), height() - button->height() - twipsToPixelsY(kBottomGap));
    update();
}

void frmWinMediaPlayer::imgVorBack_Click(int index)
{
    switch (index) {
    case 0:
    case 1:
        ABsonderzeichen();
        stepTrack(index == 1);
        if (hooks.start)
            hooks.start();
        break;
    case 2:
        ABsonderzeichen();
        if (hooks.randomEntry)
            hooks.randomEntry();
        if (hooks.start)
            hooks.start();
        break;
    case 3:
        close();
        break;
    case 4:
        m_abLoop.setA(m_player->currentPosition());
        showAbButtons();
        break;
    case 5:
        m_abLoop.setB(m_player->currentPosition());
        showAbButtons();
        break;
    case 6:
        m_abLoop.exit();
        showAbButtons();
        break;
    case 7:
    case 8:
        m_stretch = index == 7;
        m_player->setStretchToFit(m_stretch);
        m_imgVorBack[7]->setVisible(!m_stretch);
        m_imgVorBack[8]->setVisible(m_stretch);
        break;
    case 9:
        m_player->setFullScreen(true);
        break;
    default:
        break;
    }
}

void frmWinMediaPlayer::stepTrack(bool forward)
{
    const int count = hooks.trackCount ? hooks.trackCount() : 0;
    m_program.AktuellerTrack = movieTrackStep(m_program.AktuellerTrack, count, forward);
}

void frmWinMediaPlayer::ABsonderzeichen()
{
    m_abLoop.showSetA();
    showAbButtons();
}

void frmWinMediaPlayer::showAbButtons()
{
    for (int i = MovieAbLoop::SetA; i <= MovieAbLoop::Exit; ++i)
        m_imgVorBack[i]->setVisible(i == m_abLoop.visibleButton());
    if (m_abLoop.timerRunning())
        m_timerPosAB.start();
    else
        m_timerPosAB.stop();
}

void frmWinMediaPlayer::TimerPosAB_Timer()
{
    if (const auto jump = m_abLoop.tick(m_player->currentPosition()))
        m_player->setCurrentPosition(*jump);
}

void frmWinMediaPlayer::closeEvent(QCloseEvent *event)
{
    if (hooks.stop)
        hooks.stop();
    m_player->close();
    doEvents();
    storePlacement();
    m_loaded = false;
    event->accept();
}

void frmWinMediaPlayer::storePlacement()
{
    if (isMinimized())
        return;
    if (isMaximized()) {
        m_program.settings.write(keys::WinMediaPlayerWindowState, QStringLiteral("2"));
        return;
    }
    const auto text = [](double twips) { return QString::number(qRound(twips)); };
    m_program.settings.write(keys::WinMediaPlayerWindowState, QStringLiteral("0"));
    m_program.settings.write(keys::WinMediaPlayerLeft, text(pixelsToTwipsX(x())));
    m_program.settings.write(keys::WinMediaPlayerTop, text(pixelsToTwipsY(y())));
    m_program.settings.write(keys::WinMediaPlayerWidth, text(pixelsToTwipsX(width())));
    m_program.settings.write(keys::WinMediaPlayerHeight, text(pixelsToTwipsY(height())));
}

} // namespace klangtruhe
