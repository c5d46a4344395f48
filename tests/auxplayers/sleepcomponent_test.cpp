#include "app/menutable.h"
#include "auxplayers/frmuhrzeit.h"
#include "auxplayers/sleepcomponent.h"
#include "common/events.h"
#include "player/playerprogram.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// cmdButton_1 "Ja", cmdButton_2 "Nein", cmdButton_3 "Exit" of the first question.
const QString kJa = QStringLiteral("cmdButton_1");
const QString kNein = QStringLiteral("cmdButton_2");
const QString kExit = QStringLiteral("cmdButton_3");

// Answers the question with the button, then lets the time dialog do what it is told.
void answerQuestion(const QString &button, std::function<void(frmUhrzeit *)> inTimeDialog = {})
{
    onNextModalDialog([=](QWidget *question) {
        EXPECT_EQ(question->windowTitle(), "Sleep-Modus");
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

// A time that has passed today is confirmed for tomorrow with `tomorrow`.
void confirm(frmUhrzeit *dialog, const QString &hours, const QString &minutes, bool tomorrow = false)
{
    dialog->field(0)->setText(hours);
    dialog->field(1)->setText(minutes);
    if (tomorrow)
        answerNextModalDialog(QStringLiteral("cmdButton_1"));
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

TEST_F(SleepTest, ArmedTimeEndsTheProgramAtItsMinuteAndAPassedOneOnlyTomorrow)
{
    ASSERT_TRUE(mnuSleep && mnuSleep->isEnabled());
    QString offered, refusal;
    answerQuestion(kNein, [&](frmUhrzeit *dialog) {
        offered = dialog->windowTitle() + QLatin1Char(' ') + dialog->field(0)->text() + QLatin1Char(':')
                  + dialog->field(1)->text();
        // The running minute and earlier ones are refused unless meant for tomorrow.
        readNextMessage(refusal);
        confirm(dialog, QStringLiteral("22"), QStringLiteral("30"));
        EXPECT_TRUE(dialog->isVisible());
        confirm(dialog, QStringLiteral("7"), QStringLiteral("5"), true);
    });
    mnuSleep->trigger();
    EXPECT_EQ(offered, "22:30:15 22:45") << "the clock, and the next quarter hour";
    EXPECT_EQ(refusal, "Sleep-Modus|Die Uhrzeit 22:30 ist heute schon erreicht.\nSoll die Sleep-Funktion erst morgen um "
                       "22:30 auslösen?");
    EXPECT_TRUE(sleep->timerSleep().isActive());
    EXPECT_EQ(status->panel(6), "Sleep 07:05");

    now = QTime(7, 4, 58);
    sleep->TimerSleep_Timer();
    EXPECT_EQ(closeRequests, 0);
    now = QTime(7, 5, 3);
    sleep->TimerSleep_Timer();
    EXPECT_EQ(closeRequests, 1);
    EXPECT_EQ(platform().shutdowns, 0);

    // Clicking the entry again disarms; the minute then passes unnoticed.
    mnuSleep->trigger();
    EXPECT_EQ(status->panel(6), "Sleep Off");
    sleep->TimerSleep_Timer();
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(SleepTest, LeavingWithoutATimeKeepsItOff)
{
    // Exit in the time dialog, Esc in it, and Exit in the question all leave it off.
    const std::function<void()> ways[] = {
        [this] {
            answerQuestion(kNein, [](frmUhrzeit *dialog) {
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
            });
        },
        [this] { answerQuestion(kNein, [](frmUhrzeit *dialog) { QTest::keyClick(dialog->field(0), Qt::Key_Escape); }); },
        [this] { answerQuestion(kExit); },
    };
    for (const auto &leave : ways) {
        leave();
        mnuSleep->trigger();
        EXPECT_FALSE(mnuSleep->isChecked());
        EXPECT_FALSE(sleep->timerSleep().isActive());
        EXPECT_EQ(sleep->sleepZeit(), "00:00");
        EXPECT_EQ(status->panel(6), "Sleep Off");
    }

    // The question closed without a button while an earlier time is known:
    // the entry stays checked but nothing runs.
    answerQuestion(kNein, [](frmUhrzeit *dialog) { confirm(dialog, QStringLiteral("08"), QStringLiteral("15"), true); });
    mnuSleep->trigger();
    mnuSleep->trigger();
    closeNextModalDialog();
    mnuSleep->trigger();
    EXPECT_TRUE(mnuSleep->isChecked());
    EXPECT_FALSE(sleep->timerSleep().isActive());
    EXPECT_EQ(status->panel(6), "Sleep Off");
}

TEST_F(SleepTest, ShutdownNeedsThePermissionAndIsAskedForOnce)
{
    QString notice;
    onNextModalDialog([&](QWidget *question) {
        readNextMessage(notice);
        QTest::mouseClick(question->findChild<QPushButton *>(kJa), Qt::LeftButton);
    });
    mnuSleep->trigger();
    EXPECT_EQ(notice, "Benutzerhinweis|Für das Herunterfahren des PC's werden Admin-Rechte benötigt!");
    EXPECT_FALSE(mnuSleep->isChecked());
    EXPECT_FALSE(sleep->timerSleep().isActive());

    platform().administrator = true;
    answerQuestion(kJa, [](frmUhrzeit *dialog) { confirm(dialog, QStringLiteral("23"), QStringLiteral("00")); });
    mnuSleep->trigger();
    EXPECT_TRUE(sleep->sleepHerunterfahren());
    EXPECT_EQ(status->panel(6), "Sleep 23:00");
    now = QTime(23, 0, 1);
    sleep->TimerSleep_Timer();
    now = QTime(23, 0, 6);
    sleep->TimerSleep_Timer();
    EXPECT_EQ(platform().shutdowns, 1);
    EXPECT_EQ(closeRequests, 0);
    EXPECT_FALSE(sleep->timerSleep().isActive());
}

TEST_F(SleepTest, TimeDialogTellsAWrongFieldAndMovesOnAfterTwoKeys)
{
    frmUhrzeit dialog(program, &window, [this] { return now; });
    QString notice;
    onNextModalDialog([&](QWidget *shown) {
        auto *uhrzeit = static_cast<frmUhrzeit *>(shown);
        uhrzeit->field(0)->setText(QStringLiteral("25"));
        readNextMessage(notice);
        uhrzeit->Text1_LostFocus(0);

        // Two typed keys send the focus on; the second key still lands in the field.
        QCoreApplication::processEvents(); // the Tab after the notice
        QApplication::setActiveWindow(uhrzeit);
        uhrzeit->field(0)->setFocus();
        uhrzeit->field(0)->clear();
        QTest::keyClicks(uhrzeit->field(0), QStringLiteral("23"));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(uhrzeit->field(0)->text(), "23");
        EXPECT_TRUE(uhrzeit->field(1)->hasFocus());
        EXPECT_EQ(uhrzeit->field(1)->selectedText(), "45");
        QTest::mouseClick(uhrzeit->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    dialog.exec();
    EXPECT_EQ(notice, "Eingabehinweis|Stunden 00-24");
    EXPECT_EQ(dialog.sleepZeit(), "23:45");
}

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
