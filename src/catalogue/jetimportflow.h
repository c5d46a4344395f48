#pragma once

#include "catalogue/jetimport.h"

#include <QString>
#include <optional>

class QWidget;

namespace klangtruhe {

class Program;

// An Access catalogue converted into one of ours.
struct JetConversion {
    QString target;
    JetImportReport report;
};

// Opening an Access file: asks whether to convert it, finds a name that is
// not taken ("<name> (Klangtruhe).mdb" beside it, else the save dialog),
// converts with a progress window that can cancel. The Access file is only
// read. nullopt when the user said no or cancelled, or the conversion failed
// (then reported); nothing is left behind in those cases.
std::optional<JetConversion> offerJetConversion(Program &program, QWidget *window, const QString &source);

// After the new catalogue is open: the report, then once the offer to map
// the Windows drives its entries name to folders here.
void showJetConversionReport(Program &program, QWidget *window, const JetConversion &conversion);

} // namespace klangtruhe
