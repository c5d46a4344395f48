#pragma once

#include <QColor>
#include <QPalette>

namespace klangtruhe {

// The colours the program stores and passes around are Windows colour values
// 0x00BBGGRR. A value whose top byte is 0x80 names a system colour by its
// index (0x8000000F is the button face); it is answered from the palette.
QColor winColour(quint32 value, const QPalette &palette);
QColor winColour(quint32 value); // uses the application palette

// The palette group and role that stand for a Windows system colour index.
struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
PaletteColour paletteColourForSystemIndex(int index);

// The dialog palette every window shares.
namespace colours {
constexpr quint32 DialogBack = 0xF4EAE3;     // both dialogs, notices, light end of the gradient
constexpr quint32 DialogText = 0x352300;     // text of both dialogs
constexpr quint32 WarningBack = 0xC0E0FF;    // warnings
constexpr quint32 ErrorBack = 0xC0C0FF;      // failure reports
constexpr quint32 GradientDark = 0xDEC9AD;   // dark end of the gradient
} // namespace colours

} // namespace klangtruhe
