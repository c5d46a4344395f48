#include "app/ausgabebox.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "auxplayers/frmuhrzeit.h"
#include "auxplayers/sleepcomponent.h"
#include "support/dialogdriver.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(SleepWiring, ReachedMinuteEndsTheProgramLikeBeenden)
{
    TestEnvironment env;
    StartedProgram started;
    ASSERT_TRUE(started.running());
    Ausgabebox &window = *started.window();
    QTime now(21, 0, 0);
    window.sleep().setClock([&] { return now; });
    auto *mnuSleep = window.findChild<QAction *>(QStringLiteral("mnuSleep"));
    ASSERT_TRUE(mnuSleep && mnuSleep->isEnabled() && mnuSleep->isCheckable());
    EXPECT_EQ(window.status().panel(6), "Sleep Off");

    onNextModalDialog([](QWidget *question) {
        onNextModalDialog([](QWidget *dialog) {
            auto *uhrzeit = qobject_cast<frmUhrzeit *>(dialog);
            ASSERT_NE(uhrzeit, nullptr);
            uhrzeit->field(1)->setText(QStringLiteral("01"));
            QTest::mouseClick(uhrzeit->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTest::mouseClick(question->findChild<QPushButton *>(QStringLiteral("cmdButton_2")), Qt::LeftButton);
    });
    mnuSleep->trigger();
    EXPECT_EQ(window.status().panel(6), "Sleep 21:01");

    now = QTime(21, 1, 2);
    window.sleep().TimerSleep_Timer();
    EXPECT_TRUE(window.program().closingAll);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(started.platform().shutdowns, 0);
}
