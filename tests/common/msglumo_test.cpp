#include "common/frmmsglumo.h"
#include "common/inputlumo.h"
#include "common/msglumo.h"
#include "common/positionform.h"
#include "common/twips.h"
#include "programfixture.h"
#include "support/dialogdriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

class MessageDialogs : public ProgramFixture {
protected:
    QStringList visibleButtons(QWidget *dialog) const
    {
        QStringList names;
        for (int i = 0; i < 7; ++i) {
            auto *button = dialog->findChild<QPushButton *>(QStringLiteral("cmdButton_%1").arg(i));
            if (button && button->isVisible())
                names << button->text();
        }
        return names;
    }

    QStringList defaultButtons(QWidget *dialog) const
    {
        QStringList names;
        for (auto *button : dialog->findChildren<QPushButton *>())
            if (button->isDefault())
                names << button->objectName();
        return names;
    }

};

QString lines(int count)
{
    QStringList text;
    for (int i = 1; i <= count; ++i)
        text << QStringLiteral("Zeile %1").arg(i);
    return text.join(QStringLiteral("\r\n"));
}

} // namespace

TEST_F(MessageDialogs, EachKindShowsItsButtonsIconAndSoundAndAnswersItsWord)
{
    struct Case {
        int kind;
        QStringList buttons;
        QString icon;
        QString press;
        QString answer;
        QString sound;
    };
    const QList<Case> cases = {
        {1, {"&OK"}, "imgMsgIcon_1", "cmdButton_0", "Ok", "Infozeichen.wav"},
        {4, {"&OK"}, "imgMsgIcon_4", "cmdButton_0", "Ok", "Stoppzeichen.wav"},
        {11, {"&OK", "E&xit"}, "imgMsgIcon_1", "cmdButton_3", "Exit", "Infozeichen.wav"},
        {32, {"&Ja", "&Nein", "E&xit"}, "imgMsgIcon_2", "cmdButton_1", "Ja", "Fragezeichen.wav"},
        {43, {"E&xit", "&Wiederholen"}, "imgMsgIcon_3", "cmdButton_5", "Wiederholen", "Ausrufezeichen.wav"},
        {50, {"E&xit", "&Ignorieren", "&Wiederholen"}, "", "cmdButton_4", "Ignorieren", "Infozeichen.wav"},
        {65, {"&OK", "B&eenden"}, "", "cmdButton_6", "Beenden", ""}, // icon 5: no picture, no sound
    };
    for (const Case &c : cases) {
        recorder->sounds.clear();
        QStringList shown;
        QStringList icons;
        onNextModalDialog([&](QWidget *dialog) {
            shown = visibleButtons(dialog);
            for (auto *label : dialog->findChildren<QLabel *>())
                if (label->isVisible() && label->objectName().startsWith(QLatin1String("imgMsgIcon_")))
                    icons << label->objectName();
            QTest::mouseClick(dialog->findChild<QPushButton *>(c.press), Qt::LeftButton);
        });
        const QString answer = MsgLumo(*program, &reference, QStringLiteral("Text"), c.kind, 0, QStringLiteral("T"));
        EXPECT_EQ(answer, c.answer) << c.kind;
        QStringList expected = c.buttons;
        expected.sort();
        shown.sort();
        EXPECT_EQ(shown, expected) << c.kind;
        EXPECT_EQ(icons, c.icon.isEmpty() ? QStringList() : QStringList{c.icon}) << c.kind;
        EXPECT_EQ(recorder->sounds, c.sound.isEmpty() ? QStringList() : QStringList{inProgramFolder(c.sound)})
            << c.kind;
    }
}

TEST_F(MessageDialogs, DefaultButtonGetsEnterAndFocusOnlyWhenShown)
{
    QStringList defaults;
    QString focused;
    onNextModalDialog([&](QWidget *dialog) {
        defaults = defaultButtons(dialog);
        focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
    });
    EXPECT_EQ(MsgLumo(*program, &reference, QStringLiteral("Löschen?"), 22, 2, QStringLiteral("Sicherheitsabfrage")),
              QStringLiteral("Nein"));
    EXPECT_EQ(defaults, QStringList{QStringLiteral("cmdButton_2")});
    EXPECT_EQ(focused, QStringLiteral("cmdButton_2"));

    closeNextModalDialog();
    EXPECT_EQ(MsgLumo(*program, &reference, QStringLiteral("Weiter?"), 22, 1, QStringLiteral("Frage")), QString());
}

TEST_F(MessageDialogs, WindowGrowsWithTheTextAndKeepsItsPlace)
{
    struct Seen {
        QSize client;
        QRect text;
        QPoint pos;
        int scrollMaximum = -1;
        int textHeight = 0;
        QColor back;
    };
    auto show = [this](const QString &text) {
        Seen seen;
        onNextModalDialog([&seen](QWidget *dialog) {
            auto *form = qobject_cast<frmMsgLumo *>(dialog);
            ASSERT_NE(form, nullptr);
            auto *box = form->findChild<QTextEdit *>(QStringLiteral("txtMsgText"));
            seen = {form->size(), box->geometry(), form->pos(), box->verticalScrollBar()->maximum(),
                    form->layout().textHeight, form->palette().color(QPalette::Window)};
            form->close();
        });
        MsgLumo(*program, &reference, text, 1, 0, QStringLiteral("Größe"));
        return seen;
    };

    const Seen one = show(QStringLiteral("Eine Zeile."));
    EXPECT_EQ(one.client, twipsSize(6090, 1905));
    EXPECT_EQ(one.text, twipsRect(975, 150, 4965, 900));
    EXPECT_EQ(one.back, QColor(227, 234, 244));
    // Placed centred over the reference at the design size.
    const QPoint designPlace = placeDialog(workAreaNear(&reference), reference.frameGeometry(),
                                           twipsSize(6090, 1905), QStringLiteral("center"), 10);
    EXPECT_EQ(one.pos, designPlace);

    const Seen forty = show(lines(40)); // the box stops growing and scrolls
    EXPECT_EQ(forty.text.height(), twipsToPixelsY(7700));
    EXPECT_EQ(forty.client.height(), twipsToPixelsY(7700 + 1400 - 395));
    EXPECT_GT(forty.scrollMaximum, 0);

    // One long paragraph is wrapped at the design width before the box grows.
    const Seen wrapped = show(QStringLiteral("Tonträger ").repeated(60));
    EXPECT_GT(wrapped.textHeight, 900);
    EXPECT_EQ(wrapped.textHeight % 260, 0);
    EXPECT_EQ(wrapped.scrollMaximum, 0);
}

TEST_F(MessageDialogs, CountdownClosesTheDialogWithoutBlockingOtherWindows)
{
    QStringList titles;
    bool modalSeen = false;
    int ticksElsewhere = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        ++ticksElsewhere;
        modalSeen = modalSeen || QApplication::activeModalWidget() != nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("frmMsgLumo") && window->isVisible()
                && (titles.isEmpty() || titles.last() != window->windowTitle()))
                titles << window->windowTitle();
    });
    watcher.start(100);

    QElapsedTimer clock;
    clock.start();
    const QString answer = MsgLumo(*program, &reference, QStringLiteral("Gleich geht's weiter."), 1, 0,
                                   QStringLiteral("Titel"), 5);
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(answer, QString());
    EXPECT_FALSE(modalSeen);
    EXPECT_GT(ticksElsewhere, 30);
    EXPECT_GE(elapsed, 4800);
    EXPECT_LT(elapsed, 7000);
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.first(), QStringLiteral("Titel (5)"));
    EXPECT_TRUE(titles.contains(QStringLiteral("Titel (1)")));
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_NE(window->objectName(), QStringLiteral("frmMsgLumo")); // unloaded
}

TEST_F(MessageDialogs, FailureReportShowsNumberAndDescriptionAndClearsTheBusyPointer)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString title;
    QString text;
    QColor back;
    QStringList defaults;
    onNextModalDialog([&](QWidget *dialog) {
        title = dialog->windowTitle();
        text = dialog->findChild<QTextEdit *>(QStringLiteral("txtMsgText"))->toPlainText();
        back = dialog->findChild<QTextEdit *>(QStringLiteral("txtMsgText"))->palette().color(QPalette::Base);
        defaults = defaultButtons(dialog);
        EXPECT_EQ(visibleButtons(dialog), QStringList{QStringLiteral("&OK")});
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    failureReport(*program, &reference, QStringLiteral("Ausgabebox_mnuOeffnen_Click"), 3021,
                  QStringLiteral("Kein aktueller Datensatz."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(title, QStringLiteral("Ausgabebox_mnuOeffnen_Click"));
    EXPECT_EQ(text, QStringLiteral("3021 Kein aktueller Datensatz."));
    EXPECT_EQ(back, QColor(255, 192, 192));
    EXPECT_EQ(defaults, QStringList{QStringLiteral("cmdButton_0")});
    EXPECT_EQ(recorder->sounds, QStringList{inProgramFolder(QStringLiteral("Stoppzeichen.wav"))});
}

TEST_F(MessageDialogs, InputLumoTrimsTheAnswerAndExitGivesNothing)
{
    QString prompt;
    QString preset;
    onNextModalDialog([&](QWidget *dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("frmInputLumo"));
        prompt = dialog->findChild<QLabel *>(QStringLiteral("lblText"))->text();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("txtInputText"));
        preset = edit->text();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("   Wort  "));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    EXPECT_EQ(InputLumo(*program, &reference, QStringLiteral("Name der Playlist:"), QStringLiteral("Playlist"),
                        QStringLiteral("Neu")),
              QStringLiteral("Wort"));
    EXPECT_EQ(prompt, QStringLiteral("Name der Playlist:"));
    EXPECT_EQ(preset, QStringLiteral("Neu"));
    EXPECT_EQ(recorder->sounds, QStringList{inProgramFolder(QStringLiteral("Fragezeichen.wav"))});

    answerNextModalDialog(QStringLiteral("cmdExit"));
    EXPECT_EQ(InputLumo(*program, &reference, QStringLiteral("?"), QStringLiteral("T"), QStringLiteral("Text")),
              QString());
    // A long prompt is shown whole above the input field.
    onNextModalDialog([](QWidget *dialog) {
        const auto *label = dialog->findChild<QLabel *>(QStringLiteral("lblText"));
        const auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("txtInputText"));
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        EXPECT_LE(label->geometry().bottom(), edit->geometry().top());
        EXPECT_LE(edit->geometry().bottom(), dialog->height());
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
    });
    InputLumo(*program, &reference,
              QStringLiteral("Wieviele Songs pro Datenträger abspielen? ").repeated(6),
              QStringLiteral("Songs"), QStringLiteral("3"));
    // Enter in the text box answers like OK.
    pressKeyInNextModalDialog(Qt::Key_Return);
    EXPECT_EQ(InputLumo(*program, &reference, QStringLiteral("?"), QStringLiteral("T"), QStringLiteral(" Ä ")),
              QStringLiteral("Ä"));
}
