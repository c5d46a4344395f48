#include "auxplayers/frmuhrzeit.h"
#include "auxplayers/sleepcomponent.h"
#include "common/events.h"
#include "player/playerprogram.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Arms the sleep time for the next minute without shutdown, ticking the boxes named.
void armForTheNextMinute(Ausgabebox &window, const QStringList &boxes = {})
{
    onNextModalDialog([boxes](QWidget *question) {
        onNextModalDialog([boxes](QWidget *dialog) {
            auto *uhrzeit = qobject_cast<frmUhrzeit *>(dialog);
            ASSERT_NE(uhrzeit, nullptr);
            uhrzeit->field(1)->setText(QStringLiteral("01"));
            for (const QString &name : boxes) {
                auto *box = uhrzeit->findChild<QCheckBox *>(name);
                EXPECT_LE(box->sizeHint().width(), box->width()) << str(name) << ": the caption shows whole";
                box->setChecked(true);
            }
            QTest::mouseClick(uhrzeit->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTest::mouseClick(question->findChild<QPushButton *>(QStringLiteral("cmdButton_2")), Qt::LeftButton);
    });
    window.findChild<QAction *>(QStringLiteral("mnuSleep"))->trigger();
}

} // namespace

TEST(SleepWiring, ReachedMinuteEndsTheProgramLikeBeenden)
{
    TestEnvironment env;
    StartedProgram started;
    ASSERT_TRUE(started.running());
    Ausgabebox &window = *started.window();
    QTime now(21, 0, 0);
    window.sleep().setClock([&] { return now; });
    EXPECT_EQ(window.status().panel(6), "Sleep Off");
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
    EXPECT_EQ(window.status().panel(6), QStringLiteral("Sleep: ausblenden"));

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
    EXPECT_EQ(window.status().panel(6), QStringLiteral("Sleep Off"));
}
