#pragma once

#include "player/playerrules.h"

#include <QString>
#include <QStringList>

namespace klangtruhe {

// The eBook folder beside the catalogue: databaseFolder + "eBook"; "" without a database.
QString eBookFolder(const QString &databaseFolder);

// Caption of label Bez_11 for `count` listed files.
QString eBookCaption(int count);

// The no-associated-program message for a file.
QString noAssociatedProgramText(const QString &file);

} // namespace klangtruhe

#include <functional>

namespace klangtruhe {

// What starting the associated program for a file runs: the program's text
// up to the first NUL, and both paths in their short form when they hold a
// blank (so the started program receives one argument). An empty program
// means none is associated.
using EbookCall = AssociatedCall;
EbookCall eBookCall(const QString &associated, const QString &file,
                    const std::function<QString(const QString &)> &shortPath);

} // namespace klangtruhe
