#pragma once

#include "reports/collectionhealth.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;

namespace klangtruhe {

class HealthFindingsModel;
class Program;

// "Sammlung prüfen": the findings of one run over the catalogue, with the
// counts per kind on top (a click there shows only that kind), the list
// sortable by every column, progress and cancel while the run goes on.
// The window changes nothing; "Export…" writes the list as CSV.
class frmSammlungPruefen : public QDialog {
    Q_OBJECT
public:
    explicit frmSammlungPruefen(Program &program, QWidget *parent = nullptr);
    ~frmSammlungPruefen() override;

    // A run starts: the old findings go, the progress shows.
    void beginRun(int total);
    // Shows how far the run is and lets window events run; false once the
    // user cancelled or closed the window.
    bool showProgress(int done, int total);
    void showReport(HealthReport report);
    bool running() const { return m_running; }

Q_SIGNALS:
    // A double click on a finding that belongs to an entry.
    void entryChosen(int position, const QString &band, const QString &title);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showCounts(const std::vector<int> &counts, int entries, bool cancelled);
    void onKindChosen(int row);
    void onFindingActivated(const QModelIndex &index);
    void cmdExport_Click();

    Program &m_program;
    HealthFindingsModel *m_model;
    QSortFilterProxyModel *m_sorted;
    QTableWidget *m_kinds;
    QTableView *m_findings;
    QLabel *m_summary;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    QPushButton *m_export;
    HealthReport m_report;
    bool m_running = false;
    bool m_cancelRequested = false;
};

} // namespace klangtruhe
