#pragma once

#include "player/sequencerhost.h"

class QWidget;

namespace klangtruhe {

class Program;
class SettingsStore;

// The program's message and input dialogs over a reference window.
class LumoDialogs : public PlayerDialogs {
public:
    LumoDialogs(Program &program, QWidget *reference);
    QString message(const QString &text, int kind, int defaultButton, const QString &title, int seconds,
                    quint32 backColour, quint32 foreColour) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText, quint32 backColour,
                  quint32 foreColour) override;

private:
    Program &m_program;
    QWidget *m_reference;
};

// Colours of the player's questions and notices.
inline constexpr quint32 kQuestionBack = 0xF4EAE3;
inline constexpr quint32 kNoticeBack = 0xC0E0FF;
inline constexpr quint32 kDialogFore = 0x352300;

// Clicking chkTracksAnspielen on: asks for the intro-scan time and stores it.
// Returns false when the answer was too short and the box must go off again.
bool askIntroTime(PlayerDialogs &dialogs, SettingsStore &settings);

// mnuPauseZwischenTracks: asks for the pause between tracks until an answer
// is stored or the question is left empty.
void askPauseBetweenTracks(PlayerDialogs &dialogs, SettingsStore &settings);

} // namespace klangtruhe
