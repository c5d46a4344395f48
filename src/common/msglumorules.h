#pragma once

#include <QString>
#include <QVector>

class QFont;

// The decisions of the message dialog that need no window: which buttons and
// icon a kind shows, what each button answers, how big the window gets, which
// sound plays. All sizes are twips.
namespace klangtruhe::msglumo {

constexpr int ButtonCount = 7;
constexpr int NoDefaultButton = 7;

struct ButtonSpec {
    const char *caption; // with its access key
    const char *answer;  // the word MsgLumo returns
    int left;            // inside the button bar
    int width;
};
const ButtonSpec &button(int index);
constexpr int ButtonTop = 150;
constexpr int ButtonHeight = 390;

// kind = 10 × button set + icon.
struct Kind {
    int buttonSet = 0;
    int icon = 0; // 1 information, 2 question, 3 exclamation, 4 stop; others show none
};
Kind splitKind(int kind);

// Button indexes of a set, left to right as they lie in the bar.
QVector<int> buttonsOfSet(int buttonSet);

// "Infozeichen.wav" etc. for icons 0..4; "" for any other icon (no sound).
QString soundFileForIcon(int icon);

// Design sizes. The design window is a fixed dialog whose outer size is the
// client area plus a nominal frame (border and caption bar).
constexpr int ClientWidth = 6090;
constexpr int ClientHeight = 1905;
constexpr int FrameWidth = 90;   // outer 6180 − client 6090
constexpr int FrameHeight = 395; // outer 2300 − client 1905
constexpr int TextLeft = 975;
constexpr int TextTop = 150;
constexpr int TextWidth = 4965;
constexpr int TextMinHeight = 900;
constexpr int TextMaxHeight = 7700;
constexpr int LineHeight = 260;
constexpr int BarHeight = 690;
constexpr int IconLeft = 225;
constexpr int IconTop = 300;
constexpr int IconSize = 525;

// Where the text box and the window end up for a message of so many display
// lines (wrapped at the design width).
struct Layout {
    int textHeight = TextMinHeight;
    int textWidth = TextWidth;
    int barWidth = ClientWidth;
    int outerWidth = ClientWidth + FrameWidth;
    int outerHeight = ClientHeight + FrameHeight;
    int clientWidth() const { return outerWidth - FrameWidth; }
    int clientHeight() const { return outerHeight - FrameHeight; }
};
Layout layoutForLines(int displayLines);

// Lines the text takes when wrapped (at word boundaries, long words anywhere)
// in a box of that width in pixels; "\r\n" breaks lines.
int countDisplayLines(const QString &text, const QFont &font, qreal widthPixels);

// The text as the text box holds it: Windows line breaks become line breaks.
QString normaliseLineBreaks(QString text);

} // namespace klangtruhe::msglumo
