#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace klangtruhe {

class Program;

// Shows the program's message window centred over the reference window and
// returns the answer word of the button clicked ("Ok", "Ja", "Nein", "Exit",
// "Ignorieren", "Wiederholen", "Beenden"), or "" when the window was closed by
// its close box or by the countdown.
//
// kind = 10 × button set + icon (icon 1 information, 2 question, 3
// exclamation, 4 stop); defaultButton is the index of the button that gets
// Enter and the focus (7: none). seconds ≥ 2 closes the window by itself after
// so many seconds and lets the other windows go on meanwhile; below 2 the
// window is modal. Colours are Windows values; missing ones give the dialog
// palette (0xF4EAE3 on 0x352300). Line breaks in the text are "\r\n".
QString MsgLumo(Program &program, QWidget *reference, const QString &text, int kind, int defaultButton,
                const QString &title, int seconds = 1, std::optional<quint32> backColour = {},
                std::optional<quint32> foreColour = {});

// The program-wide report of a failed operation: the busy pointer goes, and
// the error number, a blank and the description appear as a stop message.
// title is the window's name, "_" and the operation's name.
void failureReport(Program &program, QWidget *reference, const QString &title, int errorNumber,
                   const QString &description);

} // namespace klangtruhe
