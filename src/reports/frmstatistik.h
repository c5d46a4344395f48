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
    void showStatistics(const CatalogueStatistics &stats, const QString &selection);

private:
    void addPage(const QString &caption, QWidget *page);
    void cmdBildSpeichern_Click();

    Program &m_program;
    QTabWidget *m_pages;
    QLabel *m_figures;
};

} // namespace klangtruhe
