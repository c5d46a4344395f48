#include "common/wheelrules.h"

namespace klangtruhe::wheel {

namespace {
constexpr int TextStep = 50;
} // namespace

Kind kindOfClassName(const QString &name)
{
    const auto has = [&name](const char *word) { return name.contains(QLatin1String(word)); };
    if (has("slider") || has("scrollbar"))
        return Kind::Slider;
    if (has("listbox") || has("combobox"))
        return Kind::List;
    if (has("flexgrid"))
        return Kind::FlexGrid;
    if (has("datagrid"))
        return Kind::DataGrid;
    if (has("textbox") || has("richtext"))
        return Kind::Text;
    return Kind::None;
}

bool turnedAway(int delta)
{
    return delta > 0;
}

int sliderValue(int value, int minimum, int maximum, bool away)
{
    if (away)
        return value > minimum ? value - 1 : value;
    return value < maximum ? value + 1 : value;
}

int listTopIndex(int topIndex, int listCount, bool away)
{
    if (away)
        return topIndex > 0 ? topIndex - 1 : topIndex;
    return topIndex < listCount - 1 ? topIndex + 1 : topIndex;
}

int gridTopRow(int topRow, int rows, bool away)
{
    if (away)
        return topRow > 1 ? topRow - 1 : topRow;
    return topRow < rows - 1 ? topRow + 1 : topRow;
}

int dataGridFirstRow(int firstRow, bool away)
{
    return away ? firstRow - 1 : firstRow + 1;
}

int textCaret(int selStart, int textLength, bool away)
{
    if (away)
        return selStart > TextStep ? selStart - TextStep : selStart;
    return textLength - TextStep > selStart ? selStart + TextStep : selStart;
}

} // namespace klangtruhe::wheel
