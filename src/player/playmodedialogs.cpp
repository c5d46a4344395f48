#include "player/playmodedialogs.h"

#include "app/program.h"
#include "app/settingsstore.h"
#include "common/inputlumo.h"
#include "common/msglumo.h"
#include "player/playmodes.h"

namespace klangtruhe {

LumoDialogs::LumoDialogs(Program &program, QWidget *reference)
    : m_program(program)
    , m_reference(reference)
{
}

QString LumoDialogs::message(const QString &text, int kind, int defaultButton, const QString &title, int seconds,
                             quint32 backColour, quint32 foreColour)
{
    return MsgLumo(m_program, m_reference, text, kind, defaultButton, title, seconds, backColour, foreColour);
}

QString LumoDialogs::input(const QString &prompt, const QString &title, const QString &defaultText,
                           quint32 backColour, quint32 foreColour)
{
    return InputLumo(m_program, m_reference, prompt, title, defaultText, backColour, foreColour);
}

bool askIntroTime(PlayerDialogs &dialogs, SettingsStore &settings)
{
    const QString answer =
        dialogs.input(QStringLiteral("Wie lange soll der Track angespielt werden?\r\n\r\nDefault (Sek.) = 10"),
                      QStringLiteral("Track & Movie anspielen"), settings.read(keys::TracksAnspielen), kQuestionBack,
                      kDialogFore);
    switch (judgeIntroAnswer(answer)) {
    case IntroAnswer::Keep:
        return true;
    case IntroAnswer::TooShort:
        dialogs.message(QStringLiteral("Mindestanspielzeit ist 2 Sekunden"), 3, 0, QStringLiteral("Sicherheitshinweis"),
                        1, kNoticeBack, kDialogFore);
        return false;
    case IntroAnswer::Store:
        break;
    }
    settings.write(keys::TracksAnspielen, answer);
    // Scanning runs without pauses between the slices.
    settings.write(keys::PauseZwischenTracks, QStringLiteral("0"));
    return true;
}

namespace {

ConfirmReply confirmReply(const QString &answer)
{
    if (answer == QLatin1String("Ja"))
        return ConfirmReply::Ja;
    if (answer == QLatin1String("Nein"))
        return ConfirmReply::Nein;
    return ConfirmReply::Closed;
}

} // namespace

void askPauseBetweenTracks(PlayerDialogs &dialogs, SettingsStore &settings)
{
    for (;;) {
        const QString answer = dialogs.input(
            QStringLiteral("Geben Sie die Wartezeit in Sekunden zwischen den einzelnen Tracks ein"),
            QStringLiteral("Pause zwischen den Tracks"), settings.read(keys::PauseZwischenTracks), kQuestionBack,
            kDialogFore);
        switch (judgePauseAnswer(answer)) {
        case PauseAnswer::Leave:
            return;
        case PauseAnswer::Store:
            settings.write(keys::PauseZwischenTracks, answer);
            return;
        case PauseAnswer::Confirm:
            break;
        }
        const QString reply = dialogs.message(
            QStringLiteral("Die Wartezeit ist größer als 60 Sekunden, \r\nsoll diese Wartezeit übernommen werden?"),
            22, 2, QStringLiteral("Sicherheitsabfrage"), 1, kQuestionBack, kDialogFore);
        if (storeAfterConfirmation(confirmReply(reply))) {
            settings.write(keys::PauseZwischenTracks, answer);
            return;
        }
    }
}

} // namespace klangtruhe
