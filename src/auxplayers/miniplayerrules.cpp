#include "auxplayers/miniplayerrules.h"

#include "common/numbers.h"

namespace klangtruhe {

namespace miniplayer {

const std::array<ButtonSpec, 14> &buttons()
{
    static const std::array<ButtonSpec, 14> table = {{
        {0, " Zurück ", 95, 45, true},
        {2, " Play ", 555, 441, true},
        {6, " Pause -> Play ", 1015, 837, true},
        {10, " Play ", 1015, 837, false},
        {1, " Vor ", 1475, 1260, true},
        {3, " Stop ", 1935, 1650, true},
        {5, " Track zufällig ", 2395, 2040, true},
        {11, " Resume ", 2855, 2445, true},
        {7, " Pos-A feslegen ", 3315, 2850, true},
        {8, " Pos-B feslegen ", 3315, 2850, false},
        {9, " exit Pos A-B ", 3315, 2850, false},
        {4, " Maximieren ", 3775, 3255, true},
        {12, " Horizontal/Vertikal", 4235, 3645, true},
        {LautsprecherIndex, " Lautsprecherregler anzeigen ", 4695, 4050, true},
    }};
    return table;
}

} // namespace miniplayer

AbPictures abPicturesFor(bool posAGesetzt, double posA)
{
    if (posAGesetzt)
        return {false, true, false};
    if (posA != 0)
        return {false, false, true};
    return {true, false, false};
}

double miniPlayerFirstTop(const QString &stored, double screenHeightTwips, double windowHeightTwips)
{
    const double fallback = screenHeightTwips - windowHeightTwips - 550;
    double top = 0;
    if (!parseStoredNumber(stored, top) || top == 0)
        return fallback;
    return top;
}

VolumeToolPlace volumeToolPlace(double leftTwips, double topTwips, double widthTwips)
{
    constexpr double pixelsPerTwip = 0.06667;
    const auto text = [](double value) { return QString::number(value, 'g', 15); };
    return {text((leftTwips + widthTwips + 150) * pixelsPerTwip), text(topTwips * pixelsPerTwip)};
}

} // namespace klangtruhe
