#include "app/program.h"
#include "app/settingkeys.h"
#include "auxplayers/frmminiplayer.h"
#include "common/twips.h"
#include "player/picturebutton.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(MiniPlayerRules, FirstPlaceAndTheVolumeToolBesideIt)
{
    // No stored place: above the taskbar at the bottom of the screen.
    EXPECT_EQ(miniPlayerFirstTop("", 12000, 885), 12000 - 885 - 550);
    EXPECT_EQ(miniPlayerFirstTop("0", 12000, 885), 12000 - 885 - 550);
    EXPECT_EQ(miniPlayerFirstTop("1200", 12000, 885), 1200);

    const VolumeToolPlace beside = volumeToolPlace(1500, 3000, 5235);
    EXPECT_EQ(beside.left, "459.02295"); // (1500 + 5235 + 150) × 0.06667, unrounded
    EXPECT_EQ(beside.top, "200.01");
}

namespace {

class MiniPlayerWindowTest : public ::testing::Test {
protected:
    MiniPlayerWindowTest()
    {
        MiniPlayerHost host;
        host.playerStatus = [this] { return status; };
        const auto logged = [this](const char *what) { return [this, what] { log << QString::fromLatin1(what); }; };
        host.MiniPlayerPause = logged("pause");
        host.MiniPlayerPosAB = logged("posAB");
        host.MiniPlayerStop = logged("stop");
        host.MiniPlayerVorBackStart = logged("start");
        host.MiniPlayerResume = logged("resume");
        host.TontraegerZufaellig = logged("zufall");
        host.showMainWindow = logged("main");
        host.abortPause = logged("abortPause");
        host.closeProgram = logged("close");
        host.stepTrack = [this](int direction) {
            log << QStringLiteral("step %1").arg(direction);
            return stepAnswer;
        };
        host.laufschrift = [] { return true; };
        host.tickerText = [this](int phase) {
            log << QStringLiteral("text %1").arg(phase);
            return QStringLiteral("Abba");
        };
        host.playerStopped = [this] { return stopped; };
        window = std::make_unique<frmMiniPlayer>(program.settings, std::move(host), nullptr);
        window->tickerStepMs = 0;
        window->tickerHoldMs = 0;
    }

    void click(int index) { QTest::mouseClick(window->button(index), Qt::LeftButton); }
    bool shown(int index) const { return !window->button(index)->isHidden(); }
    QPoint twips() const
    {
        return {int(std::lround(pixelsToTwipsX(window->x()))), int(std::lround(pixelsToTwipsY(window->y())))};
    }

    TestEnvironment env;
    Program program{std::make_unique<RecordingPlatform>()};
    std::unique_ptr<frmMiniPlayer> window;
    QString status = QStringLiteral("no play");
    QStringList log;
    bool stepAnswer = true;
    bool stopped = false;
};

} // namespace

TEST_F(MiniPlayerWindowTest, FormsSwitchAndKeepTheirPositions)
{
    // Activation on a system without stored positions: top left of the screen.
    window->move(twipsPoint(750, 9000));
    window->Form_Activate();
    EXPECT_EQ(window->pos(), QPoint(0, 0));

    window->move(twipsPoint(1500, 3000));
    // Coming back from another program leaves the window where the user put it.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    const QPoint first = twips();
    EXPECT_EQ(window->pos(), twipsPoint(1500, 3000));
    program.settings.write(keys::MiniPlayerVertikalLeft, QStringLiteral("6000"));
    program.settings.write(keys::MiniPlayerVertikalTop, QStringLiteral("750"));
    click(12);
    EXPECT_EQ(window->form(), MiniPlayerForm::Vertical);
    EXPECT_EQ(window->pos(), twipsPoint(6000, 750));
    click(12);
    EXPECT_EQ(window->form(), MiniPlayerForm::Horizontal);
    EXPECT_EQ(twips(), first);

    // Closing stores the form's place, stops the player and ends the program.
    window->move(twipsPoint(3000, 600));
    const QPoint last = twips();
    window->close();
    EXPECT_EQ(log, QStringList({"stop", "close"}));
    EXPECT_EQ(program.settings.read(keys::MiniPlayerHorizontalLeft), QString::number(last.x()));
}

TEST_F(MiniPlayerWindowTest, PauseAndAbButtonsOnlyWhilePlaying)
{
    click(6);
    click(7);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(shown(6) && !shown(10) && shown(7) && !shown(8));

    status = QStringLiteral("playing: Abba - Waterloo");
    click(6);
    click(7);
    click(8);
    EXPECT_TRUE(!shown(6) && shown(10) && !shown(7) && !shown(8) && shown(9));
    EXPECT_EQ(log, QStringList({"pause", "posAB", "posAB"}));

    // Any transport button puts the pictures back to rest.
    log.clear();
    click(11);
    EXPECT_TRUE(shown(6) && !shown(10) && shown(7) && !shown(8) && !shown(9));
    EXPECT_EQ(log, QStringList({"resume"}));
}

TEST_F(MiniPlayerWindowTest, TransportButtonsForwardToThePlayer)
{
    click(0);
    stepAnswer = false; // a playlist without a checked item: nothing starts
    click(1);
    click(5);
    EXPECT_EQ(log, QStringList({"step 0", "start", "step 1", "zufall", "start"}));
    EXPECT_TRUE(window->Timer3().isActive());

    // Stop during a pause between tracks ends the pause first.
    log.clear();
    window->setWindowTitle(QStringLiteral(" 4 Sek. Pause"));
    click(3);
    EXPECT_EQ(log, QStringList({"abortPause", "stop"}));
    EXPECT_EQ(window->windowTitle(), "Klangtruhe-Miniplayer");
    EXPECT_FALSE(window->Timer3().isActive());
}

TEST_F(MiniPlayerWindowTest, TickerRunsThroughPhasesUntilThePlayerStops)
{
    window->Timer3().start();
    window->Timer3_Timer();
    window->Timer3_Timer();
    // Typed in, then the text is taken again for typing out.
    EXPECT_EQ(log, QStringList({"text 1", "text 1", "text 2", "text 2"}));

    stopped = true;
    window->Timer3_Timer();
    EXPECT_FALSE(window->Timer3().isActive());
    EXPECT_EQ(window->windowTitle(), "Klangtruhe-Miniplayer");
}
