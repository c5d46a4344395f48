#pragma once

#include "reports/statisticsrules.h"

#include <QDialog>

class QLabel;
class QTabWidget;

namespace klangtruhe {

class Program;

// "Statistik": charts of the entries the table shows (a search result has
// its own figures), one per page, with the key figures and the texts that
// could not be read below. "Als Bild speichern…" saves the page shown as PNG.
class frmStatistik : public QDialog {
    Q_OBJECT
public:
    explicit frmStatistik(Program &program, QWidget *parent = nullptr);
    ~frmStatistik() override;

    // Rebuilds every page for new figures; selection names the shown entries ("alle").
    // With digitisedKnown false the share of digitised entries follows later.
    void showStatistics(const CatalogueStatistics &stats, const QString &selection, bool digitisedKnown = true);
    // The share of digitised entries, once their folders have been looked at.
    void showDigitised(int digitised);

private:
    void addPage(const QString &caption, QWidget *page);
    void showFigures();
    void cmdBildSpeichern_Click();

    Program &m_program;
    QTabWidget *m_pages;
    QLabel *m_figures;
    CatalogueStatistics m_stats;
    bool m_digitisedKnown = true;
};

} // namespace klangtruhe
