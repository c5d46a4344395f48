#include "common/wincolour.h"

#include <QGuiApplication>

namespace klangtruhe {

PaletteColour paletteColourForSystemIndex(int index)
{
    using P = QPalette;
    switch (index) {
    case 0: return {P::Active, P::Midlight};          // scroll bar track
    case 1: return {P::Active, P::Dark};              // desktop
    case 2: return {P::Active, P::Highlight};         // active caption
    case 3: return {P::Inactive, P::Mid};             // inactive caption
    case 4: return {P::Active, P::Window};            // menu
    case 5: return {P::Active, P::Base};              // window background
    case 6: return {P::Active, P::Shadow};            // window frame
    case 7: return {P::Active, P::WindowText};        // menu text
    case 8: return {P::Active, P::Text};              // window text
    case 9: return {P::Active, P::HighlightedText};   // caption text
    case 10: return {P::Active, P::Button};           // active border
    case 11: return {P::Inactive, P::Button};         // inactive border
    case 12: return {P::Active, P::Mid};              // application workspace
    case 13: return {P::Active, P::Highlight};        // highlight
    case 14: return {P::Active, P::HighlightedText};  // highlighted text
    case 15: return {P::Active, P::Button};           // button face
    case 16: return {P::Active, P::Dark};             // button shadow
    case 17: return {P::Disabled, P::Text};           // grey text
    case 18: return {P::Active, P::ButtonText};       // button text
    case 19: return {P::Disabled, P::WindowText};     // inactive caption text
    case 20: return {P::Active, P::Light};            // button highlight
    case 21: return {P::Active, P::Shadow};           // 3D dark shadow
    case 22: return {P::Active, P::Midlight};         // 3D light
    case 23: return {P::Active, P::ToolTipText};      // tooltip text
    case 24: return {P::Active, P::ToolTipBase};      // tooltip background
    case 26: return {P::Active, P::Link};             // hot-tracked item
    case 27: return {P::Active, P::Highlight};        // gradient of the active caption
    case 28: return {P::Inactive, P::Midlight};       // gradient of the inactive caption
    case 29: return {P::Active, P::Highlight};        // menu highlight
    case 30: return {P::Active, P::Window};           // menu bar
    default: return {P::Active, P::Window};
    }
}

QColor winColour(quint32 value, const QPalette &palette)
{
    if ((value >> 24) == 0x80) {
        const PaletteColour pc = paletteColourForSystemIndex(static_cast<int>(value & 0xFFFFFF));
        return palette.color(pc.group, pc.role);
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QColor winColour(quint32 value)
{
    return winColour(value, QGuiApplication::palette());
}

} // namespace klangtruhe
