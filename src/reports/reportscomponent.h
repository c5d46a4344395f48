#pragma once

#include "reports/collectionhealth.h"
#include "reports/statisticsrules.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QMainWindow;
class QTimer;

namespace klangtruhe {

class CatalogueComponent;
class Program;
class frmSammlungPruefen;
class frmStatistik;

// The reports about the collection: "Sammlung prüfen" over the whole
// catalogue and the statistics of the entries the table shows. Both only
// read; the windows stay open beside the main window.
class ReportsComponent : public QObject {
    Q_OBJECT
public:
    ReportsComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue);
    ~ReportsComponent() override;

    void mnuSammlungPruefen_Click();
    void mnuStatistik_Click();

    // What the reports read of the catalogue's current result, in its order.
    std::vector<HealthEntry> healthEntries();
    HealthPlaces healthPlaces() const;
    // The music folders come separately: looking at them is the slow part.
    std::vector<StatisticsEntry> statisticsEntries(std::vector<QString> *musicFolders = nullptr);

    frmSammlungPruefen *healthWindow() const;
    frmStatistik *statisticsWindow() const;

private:
    void connectMenu();
    bool databaseOpen();
    void showStatistics();
    bool holdsTracks(const QString &storedFolder) const;
    // Makes the entry current; the table may have changed since the run.
    void goToEntry(int position, const QString &band, const QString &title);

    Program &m_program;
    QMainWindow &m_window;
    CatalogueComponent &m_catalogue;
    QPointer<frmSammlungPruefen> m_health;
    QPointer<frmStatistik> m_statistics;
    // New figures once a change of the selection has settled.
    QTimer *m_statisticsFollow;
    // Counts the figure runs; a run that finds a newer one started gives way.
    int m_statisticsRun = 0;
};

} // namespace klangtruhe
