#include "auxplayers/frmminiplayer.h"

#include "app/icons.h"
#include "app/settingkeys.h"
#include "app/settingsstore.h"
#include "common/events.h"
#include "common/gradient.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "common/wincolour.h"
#include "player/picturebutton.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <cmath>

namespace klangtruhe {

namespace {

using namespace miniplayer;

// The button's picture: the player's own transport pictures where they exist.
QPixmap pictureOf(int index)
{
    const int size = twipsToPixelsX(ButtonSize);
    const auto icon = [size](const char *name) { return klangtruheIcon(QString::fromLatin1(name)).pixmap(size, size); };
    switch (index) {
    case 0: return icon("zurueck");
    case 1: return icon("vor");
    case 2: return icon("play");
    case 3: return icon("stop");
    case 4: return icon("klangtruhe-player");
    case 5: return icon("zufall");
    case 6: return icon("pause");
    case 7: return icon("ab-0");
    case 8: return icon("ab-1");
    case 9: return icon("ab-2");
    case 10: return icon("pause-aktiv");
    case 11: return icon("weiter");
    case 12: return icon("miniplayer");
    default: return icon("lautsprecher");
    }
}

QString buttonName(int index)
{
    return index == LautsprecherIndex ? QStringLiteral("imgLautsprecherregler") : QStringLiteral("imgVorBack_%1").arg(index);
}

double storedTwips(SettingsStore &settings, const SettingKey &key)
{
    double value = 0;
    return parseStoredNumber(settings.read(key), value) ? value : 0;
}

} // namespace

frmMiniPlayer::frmMiniPlayer(SettingsStore &settings, MiniPlayerHost host, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_settings(settings)
    , m_host(std::move(host))
{
    setObjectName(QStringLiteral("frmMiniPlayer"));
    setWindowTitle(restCaption());
    setAutoFillBackground(true);
    QPalette back = palette();
    back.setColor(QPalette::Window, winColour(colours::GradientDark));
    setPalette(back);
    new GradientBackground(this, colours::DialogBack, colours::GradientDark, 1);

    for (const ButtonSpec &entry : buttons()) {
        auto *picture = new PictureButton(buttonName(entry.index), QString::fromUtf8(entry.tip), pictureOf(entry.index), this);
        picture->setFixedSize(twipsSize(ButtonSize, ButtonSize));
        picture->setScaledContents(true);
        picture->setVisible(entry.visibleAtFirst);
        const int index = entry.index;
        connect(picture, &PictureButton::clicked, this, [this, index] { imgVorBack_Click(index); });
        m_buttons[static_cast<size_t>(index)] = picture;
    }

    m_timer3.setObjectName(QStringLiteral("Timer3"));
    m_timer3.setInterval(500);
    connect(&m_timer3, &QTimer::timeout, this, &frmMiniPlayer::Timer3_Timer);

    applyForm(MiniPlayerForm::Horizontal, pixelsToTwipsX(x()), pixelsToTwipsY(y()));
}

void frmMiniPlayer::applyForm(MiniPlayerForm form, double left, double top)
{
    m_form = form;
    const bool horizontal = form == MiniPlayerForm::Horizontal;
    for (const ButtonSpec &entry : buttons()) {
        PictureButton *picture = m_buttons[static_cast<size_t>(entry.index)];
        picture->move(horizontal ? twipsPoint(entry.horizontalLeft, RowTop) : twipsPoint(ColumnLeft, entry.verticalTop));
    }
    const int width = horizontal ? HorizontalWidth : VerticalWidth;
    const int height = horizontal ? HorizontalHeight : VerticalHeight;
    setFixedSize(twipsSize(width - FrameWidth, height - FrameHeight));
    move(twipsPoint(left, top));
}

void frmMiniPlayer::storePosition()
{
    const QString left = QString::number(std::lround(pixelsToTwipsX(x())));
    const QString top = QString::number(std::lround(pixelsToTwipsY(y())));
    if (m_form == MiniPlayerForm::Horizontal) {
        m_settings.write(keys::MiniPlayerHorizontalTop, top);
        m_settings.write(keys::MiniPlayerHorizontalLeft, left);
    } else {
        m_settings.write(keys::MiniPlayerVertikalTop, top);
        m_settings.write(keys::MiniPlayerVertikalLeft, left);
    }
}

void frmMiniPlayer::switchForm()
{
    storePosition();
    if (m_form == MiniPlayerForm::Horizontal)
        applyForm(MiniPlayerForm::Vertical, storedTwips(m_settings, keys::MiniPlayerVertikalLeft),
                  storedTwips(m_settings, keys::MiniPlayerVertikalTop));
    else
        applyForm(MiniPlayerForm::Horizontal, storedTwips(m_settings, keys::MiniPlayerHorizontalLeft),
                  storedTwips(m_settings, keys::MiniPlayerHorizontalTop));
}

void frmMiniPlayer::Form_Activate()
{
    // The form stays; only its stored position counts.
    if (m_form == MiniPlayerForm::Horizontal)
        applyForm(m_form, storedTwips(m_settings, keys::MiniPlayerHorizontalLeft),
                  storedTwips(m_settings, keys::MiniPlayerHorizontalTop));
    else
        applyForm(m_form, storedTwips(m_settings, keys::MiniPlayerVertikalLeft),
                  storedTwips(m_settings, keys::MiniPlayerVertikalTop));
}

void frmMiniPlayer::ABsonderzeichen()
{
    button(6)->show();
    button(7)->show();
    button(8)->hide();
    button(9)->hide();
    button(10)->hide();
}

void frmMiniPlayer::showPlayerState(bool pausiert, const AbPictures &ab)
{
    button(7)->setVisible(ab.posA);
    button(8)->setVisible(ab.posB);
    button(9)->setVisible(ab.exitAb);
    button(6)->setVisible(!pausiert);
    button(10)->setVisible(pausiert);
}

bool frmMiniPlayer::playing() const
{
    return !m_host.playerStatus || m_host.playerStatus() != QLatin1String("no play");
}

void frmMiniPlayer::imgVorBack_Click(int index)
{
    const auto call = [](const std::function<void()> &procedure) {
        if (procedure)
            procedure();
    };
    switch (index) {
    case 0:
    case 1: {
        ABsonderzeichen();
        m_timer3.stop();
        if (!m_host.stepTrack || m_host.stepTrack(index))
            call(m_host.MiniPlayerVorBackStart);
        m_timer3.start();
        break;
    }
    case 2:
        ABsonderzeichen();
        call(m_host.MiniPlayerVorBackStart);
        m_timer3.start();
        break;
    case 3:
        ABsonderzeichen();
        m_timer3.stop();
        if (windowTitle().contains(QLatin1String("Pause")))
            call(m_host.abortPause);
        setWindowTitle(restCaption());
        call(m_host.MiniPlayerStop);
        break;
    case 4:
        ABsonderzeichen();
        storePosition();
        hide();
        m_timer3.stop();
        call(m_host.showMainWindow);
        break;
    case 5:
        ABsonderzeichen();
        call(m_host.TontraegerZufaellig);
        call(m_host.MiniPlayerVorBackStart);
        m_timer3.start();
        break;
    case 6:
    case 10:
        if (!playing())
            return;
        button(10)->setVisible(index == 6);
        button(6)->setVisible(index == 10);
        call(m_host.MiniPlayerPause);
        break;
    case 7:
    case 8:
    case 9:
        if (!playing())
            return;
        call(m_host.MiniPlayerPosAB);
        button(7)->setVisible(index == 9);
        button(8)->setVisible(index == 7);
        button(9)->setVisible(index == 8);
        break;
    case 11:
        ABsonderzeichen();
        call(m_host.MiniPlayerResume);
        m_timer3.start();
        break;
    case 12:
        switchForm();
        break;
    case LautsprecherIndex:
        if (m_host.startVolumeTool)
            m_host.startVolumeTool(pixelsToTwipsX(x()), pixelsToTwipsY(y()),
                                   m_form == MiniPlayerForm::Horizontal ? HorizontalWidth : VerticalWidth);
        break;
    default:
        break;
    }
}

void frmMiniPlayer::Timer3_Timer()
{
    // The typing lets events run, so the timer fires again meanwhile.
    if (m_tickerRunning)
        return;
    m_tickerRunning = true;
    const QPointer<frmMiniPlayer> alive(this);
    if (m_host.laufschrift && m_host.laufschrift() && m_host.tickerText)
        typeTicker();
    if (!alive)
        return;
    if (m_host.playerStopped && m_host.playerStopped())
        m_timer3.stop();
    if (!m_timer3.isActive())
        setWindowTitle(restCaption());
    m_tickerRunning = false;
}

void frmMiniPlayer::typeTicker()
{
    const QPointer<frmMiniPlayer> alive(this);
    m_tickerPhase = nextTickerPhase(m_tickerPhase);
    const int phase = m_tickerPhase;
    QString text = m_host.tickerText(phase);
    for (int i = 1; i <= text.size(); ++i) {
        setWindowTitle(text.left(i));
        sleepMs(tickerStepMs);
        if (!alive)
            return;
        if (!m_timer3.isActive()) {
            setWindowTitle(restCaption());
            return;
        }
    }
    sleepMs(tickerHoldMs);
    if (!alive)
        return;
    text = m_host.tickerText(phase);
    for (int i = static_cast<int>(text.size()); i >= 0; --i) {
        setWindowTitle(text.right(i));
        sleepMs(tickerStepMs);
        if (!alive)
            return;
    }
}

void frmMiniPlayer::mousePressEvent(QMouseEvent *event)
{
    // The surface drags the window like its title bar.
    if (event->button() == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove())
        return;
    QWidget::mousePressEvent(event);
}

void frmMiniPlayer::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_unloading)
        return;
    m_unloading = true;
    m_timer3.stop();
    if (m_host.MiniPlayerStop)
        m_host.MiniPlayerStop();
    storePosition();
    doEvents();
    if (m_host.closeProgram)
        m_host.closeProgram();
}

} // namespace klangtruhe
