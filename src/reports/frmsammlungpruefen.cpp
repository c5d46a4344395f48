#include "reports/frmsammlungpruefen.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "common/events.h"
#include "common/gradient.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "reports/healthfindingsmodel.h"
#include "reports/reportcsv.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace klangtruhe {

frmSammlungPruefen::frmSammlungPruefen(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmSammlungPruefen"));
    setWindowTitle(QStringLiteral("Sammlung prüfen"));
    setFont(dialogFont());
    new GradientBackground(this, 0xDEC9AD, 0xF4EAE3, 1);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblZusammenfassung"));
    m_summary->setWordWrap(true);

    m_kinds = new QTableWidget(kHealthKinds + 1, 2, this);
    m_kinds->setObjectName(QStringLiteral("lvwArten"));
    m_kinds->setHorizontalHeaderLabels({QStringLiteral("Befund"), QStringLiteral("Anzahl")});
    m_kinds->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_kinds->verticalHeader()->setVisible(false);
    m_kinds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_kinds->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_kinds->setSelectionMode(QAbstractItemView::SingleSelection);
    m_kinds->setMaximumHeight(twipsToPixelsY(3400));
    connect(m_kinds, &QTableWidget::cellClicked, this, [this](int row, int) { onKindChosen(row); });

    m_model = new HealthFindingsModel(this);
    m_sorted = new HealthFindingsSorter(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setFilterKeyColumn(0);
    m_findings = new QTableView(this);
    m_findings->setObjectName(QStringLiteral("lvwBefund"));
    m_findings->setModel(m_sorted);
    m_findings->setSortingEnabled(true);
    m_findings->sortByColumn(-1, Qt::AscendingOrder); // the run's own order until a header is clicked
    m_findings->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_findings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_findings->verticalHeader()->setVisible(false);
    m_findings->horizontalHeader()->setStretchLastSection(true);
    m_findings->horizontalHeader()->setDefaultSectionSize(twipsToPixelsX(2600));
    m_findings->setToolTip(QStringLiteral(" Doppelklick zeigt den Eintrag "));
    connect(m_findings, &QTableView::doubleClicked, this, &frmSammlungPruefen::onFindingActivated);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgPruefung"));
    m_progress->setVisible(false);
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_cancel = button("cmdAbbrechen", QStringLiteral("&Abbrechen"));
    m_cancel->setEnabled(false);
    m_export = button("cmdExport", QStringLiteral("&Export…"));
    m_export->setEnabled(false);
    QPushButton *close = button("cmdSchliessen", QStringLiteral("&Schließen"));
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelRequested = true; });
    connect(m_export, &QPushButton::clicked, this, &frmSammlungPruefen::cmdExport_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    buttons->addWidget(m_export);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_kinds);
    layout->addWidget(m_findings, 1);
    layout->addLayout(buttons);
    resize(twipsSize(11000, 9000));
}

frmSammlungPruefen::~frmSammlungPruefen() = default;

void frmSammlungPruefen::beginRun(int total)
{
    m_running = true;
    m_cancelRequested = false;
    m_report = HealthReport();
    m_model->setFindings({});
    showCounts(std::vector<int>(kHealthKinds, 0), 0, false);
    m_summary->setText(QStringLiteral("Die Sammlung wird geprüft..."));
    m_progress->setRange(0, std::max(1, total));
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_cancel->setEnabled(true);
    m_export->setEnabled(false);
}

bool frmSammlungPruefen::showProgress(int done, int total)
{
    m_progress->setMaximum(std::max(1, total));
    m_progress->setValue(done);
    doEvents();
    return !m_cancelRequested;
}

void frmSammlungPruefen::showReport(HealthReport report)
{
    m_running = false;
    m_progress->setVisible(false);
    m_cancel->setEnabled(false);
    m_report = std::move(report);
    showCounts(countsPerKind(m_report.findings), m_report.entriesChecked, m_report.cancelled);
    m_model->setFindings(m_report.findings);
    m_sorted->setFilterFixedString(QString());
    m_export->setEnabled(!m_report.findings.empty());
}

void frmSammlungPruefen::showCounts(const std::vector<int> &counts, int entries, bool cancelled)
{
    int total = 0;
    auto setRow = [this](int row, const QString &caption, int count) {
        auto *kind = new QTableWidgetItem(caption);
        auto *number = new QTableWidgetItem(QString::number(count));
        number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_kinds->setItem(row, 0, kind);
        m_kinds->setItem(row, 1, number);
    };
    for (int kind = 0; kind < kHealthKinds; ++kind) {
        setRow(kind + 1, healthKindCaption(static_cast<HealthKind>(kind)), counts[static_cast<size_t>(kind)]);
        total += counts[static_cast<size_t>(kind)];
    }
    setRow(0, QStringLiteral("Alle Befunde"), total);
    QString text = (entries == 1 ? QStringLiteral("1 Eintrag") : QStringLiteral("%1 Einträge").arg(entries))
        + QStringLiteral(" geprüft, ") + (total == 1 ? QStringLiteral("1 Befund.") : QStringLiteral("%1 Befunde.").arg(total));
    if (cancelled)
        text += QStringLiteral(" Die Prüfung wurde abgebrochen; die Liste ist unvollständig.");
    m_summary->setText(text);
}

void frmSammlungPruefen::onKindChosen(int row)
{
    m_sorted->setFilterFixedString(row <= 0 ? QString() : healthKindCaption(static_cast<HealthKind>(row - 1)));
}

void frmSammlungPruefen::onFindingActivated(const QModelIndex &index)
{
    const QModelIndex source = m_sorted->mapToSource(index);
    const int row = source.row();
    if (row < 0 || row >= static_cast<int>(m_model->findings().size()))
        return;
    const HealthFinding &finding = m_model->findings()[static_cast<size_t>(row)];
    if (finding.position >= 0)
        Q_EMIT entryChosen(finding.position, finding.band, finding.title);
}

void frmSammlungPruefen::cmdExport_Click()
{
    const QString folder = m_program.settings.read(keys::BerichtOrdner);
    QFileDialog dialog(this, QStringLiteral("Bericht exportieren"),
                       QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(QStringLiteral("Sammlung prüfen.csv")));
    dialog.setObjectName(QStringLiteral("dlgExport"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilters({QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("alle Dateien (*.*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_program.settings.write(keys::BerichtOrdner, QFileInfo(path).absolutePath());
    QString reason;
    if (!writeReportFile(path, healthReportCsv(m_report), reason))
        MsgLumo(m_program, this, reason, 3, 0, QStringLiteral("Bericht exportieren"), 1, 0xC0E0FF, 0x352300);
}

void frmSammlungPruefen::closeEvent(QCloseEvent *event)
{
    // Closing in the middle of a run ends the run; the window stays for the next one.
    m_cancelRequested = true;
    QDialog::closeEvent(event);
}

} // namespace klangtruhe
