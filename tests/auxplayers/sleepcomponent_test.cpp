#include "app/menutable.h"
#include "auxplayers/frmuhrzeit.h"
#include "auxplayers/sleepcomponent.h"
#include "common/events.h"
#include "player/playerprogram.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// cmdButton_2 "Nein" of the first question: no shutdown.
const QString kNein = QStringLiteral("cmdButton_2");

// Answers the question with the button, then lets the time dialog do what it is told.
void answerQuestion(const QString &button, std::function<void(frmUhrzeit *)> inTimeDialog = {})
{
    onNextModalDialog([=](QWidget *question) {
        if (inTimeDialog) {
            onNextModalDialog([=](QWidget *dialog) {
                auto *uhrzeit = qobject_cast<frmUhrzeit *>(dialog);
                ASSERT_NE(uhrzeit, nullptr);
                inTimeDialog(uhrzeit);
            });
        }
        QTest::mouseClick(question->findChild<QPushButton *>(button), Qt::LeftButton);
    });
}

void confirm(frmUhrzeit *dialog, const QString &hours, const QString &minutes)
{
    dialog->field(0)->setText(hours);
    dialog->field(1)->setText(minutes);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
}

// Arms the real program's sleep time for the next minute without shutdown, ticking the boxes named.
void armForTheNextMinute(Ausgabebox &window, const QStringList &boxes = {})
{
    answerQuestion(kNein, [boxes](frmUhrzeit *dialog) {
        for (const QString &name : boxes) {
            auto *box = dialog->findChild<QCheckBox *>(name);
            EXPECT_LE(box->sizeHint().width(), box->width()) << str(name) << ": the caption shows whole";
            box->setChecked(true);
        }
        confirm(dialog, dialog->field(0)->text(), QStringLiteral("01"));
    });
    window.findChild<QAction *>(QStringLiteral("mnuSleep"))->trigger();
}

class SleepTest : public ::testing::Test {
protected:
    SleepTest()
    {
        buildMenuBar(window);
        window.setStatusBar(status);
        sleep = new SleepComponent(program, window, *status, [this] { ++closeRequests; }, [this] { return now; });
        mnuSleep = window.findChild<QAction *>(QStringLiteral("mnuSleep"));
    }

    RecordingPlatform &platform() { return static_cast<RecordingPlatform &>(program.platform()); }

    TestEnvironment env;
    Program program{std::make_unique<RecordingPlatform>()};
    QMainWindow window;
    StatusBar *status = new StatusBar(&window);
    SleepComponent *sleep = nullptr;
    QAction *mnuSleep = nullptr;
    QTime now{22, 30, 15};
    int closeRequests = 0;
};

} // namespace

TEST_F(SleepTest, ArmedTimeEndsTheProgramOrShutsDownAtItsMinute)
{
    QString offered;
    answerQuestion(kNein, [&](frmUhrzeit *dialog) {
        offered = dialog->windowTitle() + QLatin1Char(' ') + dialog->field(0)->text() + QLatin1Char(':')
                  + dialog->field(1)->text();
        confirm(dialog, QStringLiteral("23"), QStringLiteral("5"));
    });
    mnuSleep->trigger();
    EXPECT_EQ(offered, "22:30:15 22:45") << "the clock, and the next quarter hour";
    EXPECT_EQ(status->panel(6), "Sleep 23:05");

    now = QTime(23, 4, 58);
    sleep->TimerSleep_Timer();
    EXPECT_EQ(closeRequests, 0);
    now = QTime(23, 5, 3);
    sleep->TimerSleep_Timer();
    EXPECT_EQ(closeRequests, 1);
    EXPECT_EQ(platform().shutdowns, 0);

    // Clicking the entry again disarms.
    mnuSleep->trigger();
    EXPECT_EQ(status->panel(6), "Sleep Off");

    // Armed with shutdown, the minute shuts the system down instead.
    now = QTime(22, 30, 15);
    platform().administrator = true;
    answerQuestion(QStringLiteral("cmdButton_1"), [](frmUhrzeit *dialog) { confirm(dialog, QStringLiteral("23"), QStringLiteral("00")); });
    mnuSleep->trigger();
    now = QTime(23, 0, 1);
    sleep->TimerSleep_Timer();
    EXPECT_EQ(platform().shutdowns, 1);
    EXPECT_EQ(closeRequests, 1) << "the shutdown ends the program itself";
}

TEST(SleepWiring, ReachedMinuteEndsTheProgramLikeBeenden)
{
    TestEnvironment env;
    StartedProgram started;
    ASSERT_TRUE(started.running());
    Ausgabebox &window = *started.window();
    QTime now(21, 0, 0);
    window.sleep().setClock([&] { return now; });
    armForTheNextMinute(window);
    EXPECT_EQ(window.status().panel(6), "Sleep 21:01");

    now = QTime(21, 1, 2);
    window.sleep().TimerSleep_Timer();
    EXPECT_TRUE(window.program().closingAll);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(started.platform().shutdowns, 0);
}

TEST(SleepWiring, AGentleEndFadesTheTrackOutStopsAndLeavesTheProgramOpen)
{
    PlayerProgram p({{QStringLiteral("lang.wav"), wavSine(1.6)}});
    Ausgabebox &window = *p.window();
    QTime now(22, 0, 0);
    window.sleep().setClock([&] { return now; });
    armForTheNextMinute(window, {QStringLiteral("chkSanftAusblenden"), QStringLiteral("chkNurAnhalten")});
    EXPECT_EQ(p.program().settings.read(keys::SleepSanftAusblenden), QStringLiteral("1"));

    p.player().imgStart_Click();
    ASSERT_EQ(p.player().MediaPlayer1().playState(), MediaComponent::Playing);
    now = QTime(22, 1, 0);
    window.sleep().TimerSleep_Timer();
    ASSERT_TRUE(window.sleep().fading());

    QList<double> levels;
    for (int i = 0; i < 40 && window.sleep().fading(); ++i) {
        sleepMs(100);
        levels << p.player().MediaPlayer1().volume();
    }
    EXPECT_FALSE(window.sleep().fading());
    ASSERT_GE(levels.size(), 5);
    EXPECT_LT(levels.at(levels.size() / 2), 0.5) << "quieter towards the end";
    EXPECT_EQ(p.player().MediaPlayer1().playState(), MediaComponent::Stopped);
    EXPECT_EQ(p.player().MediaPlayer1().volume(), 1.0) << "the user's level is back for the next track";
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(p.program().closingAll);
}
