#include "sequencerfixture.h"

#include "player/playmodedialogs.h"
#include "support/dialogdriver.h"

#include <QLineEdit>
#include <QPushButton>

using namespace klangtruhe;
using namespace klangtruhe::test;

using PlayModeDialogsTest = SequencerFixture;

namespace {

const QString kPauseQuestion = QStringLiteral(
    "Sicherheitsabfrage|Die Wartezeit ist größer als 60 Sekunden, \r\nsoll diese Wartezeit übernommen werden?");

} // namespace

TEST_F(PlayModeDialogsTest, PauseAboveSixtySecondsNeedsConfirmation)
{
    dialogs.answers = {"61", "45"};
    dialogs.replies = {"Nein"};
    askPauseBetweenTracks(dialogs, program.settings);
    EXPECT_EQ(dialogs.messages, QStringList({kPauseQuestion}));
    EXPECT_EQ(dialogs.inputs.value(0),
              "Pause zwischen den Tracks|Geben Sie die Wartezeit in Sekunden zwischen den einzelnen Tracks ein|0");
    EXPECT_EQ(dialogs.inputs.size(), 2) << "asked again after Nein";
    EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), "45");

    // "Ja" and a closed question both store; 60 needs no question; empty stores nothing.
    for (const QString &reply : {QStringLiteral("Ja"), QString()}) {
        dialogs.answers = {"90"};
        dialogs.replies = {reply};
        askPauseBetweenTracks(dialogs, program.settings);
        EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), "90");
        setting(keys::PauseZwischenTracks, "0");
    }
    dialogs.messages.clear();
    dialogs.answers = {"60"};
    askPauseBetweenTracks(dialogs, program.settings);
    EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), "60");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    askPauseBetweenTracks(dialogs, program.settings);
    EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), "60");
}

TEST_F(PlayModeDialogsTest, IntroTimeBelowTwoSecondsIsRefused)
{
    host.modes.chkAlleTracks = {true, true};
    host.modes.chkTracksAnspielen = {false, true};
    setting(keys::PauseZwischenTracks, "5");
    dialogs.answers = {"1.5"};
    sequencer().playModeClicked(PlayModeBox::TracksAnspielen, true);
    EXPECT_EQ(dialogs.inputs, QStringList({"Track & Movie anspielen|Wie lange soll der Track angespielt werden?"
                                           "\r\n\r\nDefault (Sek.) = 10|10"}));
    EXPECT_EQ(dialogs.messages, QStringList({"Sicherheitshinweis|Mindestanspielzeit ist 2 Sekunden"}));
    EXPECT_FALSE(host.modes.chkTracksAnspielen.value);
    EXPECT_EQ(program.settings.read(keys::TracksAnspielen), "10");

    dialogs.answers = {"2"};
    sequencer().playModeClicked(PlayModeBox::TracksAnspielen, true);
    EXPECT_TRUE(host.modes.chkTracksAnspielen.value);
    EXPECT_EQ(program.settings.read(keys::TracksAnspielen), "2");
    EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), "0");

    // An empty answer keeps the box on and the stored time.
    sequencer().playModeClicked(PlayModeBox::TracksAnspielen, true);
    EXPECT_TRUE(host.modes.chkTracksAnspielen.value);
    EXPECT_EQ(program.settings.read(keys::TracksAnspielen), "2");
}

TEST_F(PlayModeDialogsTest, RealDialogsAskAgainAfterNein)
{
    LumoDialogs real(program, nullptr);
    const auto typeAndConfirm = [](QWidget *dialog, const QString &text) {
        dialog->findChild<QLineEdit *>(QStringLiteral("txtInputText"))->setText(text);
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    };
    onNextModalDialog([&](QWidget *input) {
        onNextModalDialog([&](QWidget *question) {
            EXPECT_EQ(question->windowTitle(), "Sicherheitsabfrage");
            onNextModalDialog([&](QWidget *again) { typeAndConfirm(again, QStringLiteral("30")); });
            for (QPushButton *button : question->findChildren<QPushButton *>()) {
                if (button->text() == QLatin1String("&Nein") && button->isVisible())
                    button->click();
            }
        });
        typeAndConfirm(input, QStringLiteral("61"));
    });
    askPauseBetweenTracks(real, program.settings);
    EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), "30");
}
