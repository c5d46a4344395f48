#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <memory>

class QFontDialog;
class QWidget;

namespace klangtruhe {

// The installed style of the font's family that matches its weight and
// slant best, plain widths before condensed or expanded ones. The font
// dialog preselects a style by name, and a family without a style called
// "Normal" would otherwise open on its first style, often an oblique one.
QString matchingStyleName(const QFont &font);

// The font dialog of the program: Qt's own (the same on every system), the
// start font's own style preselected (a family missing here replaced by the
// system's UI font), and a help button when `help` is given.
std::unique_ptr<QFontDialog> makeFontDialog(const QFont &start, QWidget *parent, const QString &title,
                                            std::function<void()> help);

} // namespace klangtruhe
