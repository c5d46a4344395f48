#include "reports/frmstatistik.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "common/gradient.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "reports/statisticscharts.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace klangtruhe {

namespace {

QChartView *chartView(const char *name, QChart *chart, QWidget *parent)
{
    auto *view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QString entriesText(int count)
{
    return count == 1 ? QStringLiteral("1 Eintrag") : QStringLiteral("%1 Einträge").arg(count);
}

QString percent(int part, int whole)
{
    return QLocale(QLocale::German).toString(whole ? 100.0 * part / whole : 0.0, 'f', 1) + QStringLiteral(" %");
}

} // namespace

frmStatistik::frmStatistik(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmStatistik"));
    setWindowTitle(QStringLiteral("Statistik"));
    setFont(dialogFont());
    new GradientBackground(this, 0xDEC9AD, 0xF4EAE3, 1);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("tabStatistik"));
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page >= 0)
            m_program.settings.write(keys::StatistikSeite, QString::number(page));
    });
    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("lblKennzahlen"));
    m_figures->setWordWrap(true);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *save = new QPushButton(QStringLiteral("Als &Bild speichern…"), this);
    save->setObjectName(QStringLiteral("cmdBildSpeichern"));
    save->setAutoDefault(false);
    auto *close = new QPushButton(QStringLiteral("&Schließen"), this);
    close->setObjectName(QStringLiteral("cmdSchliessen"));
    close->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &frmStatistik::cmdBildSpeichern_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_figures);
    layout->addLayout(buttons);
    resize(twipsSize(12000, 9000));
}

frmStatistik::~frmStatistik() = default;

void frmStatistik::addPage(const QString &caption, QWidget *page)
{
    m_pages->addTab(page, caption);
}

void frmStatistik::showStatistics(const CatalogueStatistics &stats, const QString &selection, bool digitisedKnown)
{
    m_stats = stats;
    m_digitisedKnown = digitisedKnown;
    const int shownPage = m_pages->count() ? m_pages->currentIndex()
                                           : m_program.settings.read(keys::StatistikSeite).toInt();
    const QSignalBlocker quiet(m_pages); // rebuilding is no choice of a page
    while (m_pages->count()) {
        QWidget *page = m_pages->widget(0);
        m_pages->removeTab(0);
        delete page;
    }
    setWindowTitle(QStringLiteral("Statistik - ") + selection);

    addPage(QStringLiteral("&Medium"),
            chartView("chartMedium", namesBarChart(QStringLiteral("Einträge je Medium"), stats.perMedium), this));
    addPage(QStringLiteral("S&tilrichtung"),
            chartView("chartStil", namesBarChart(QStringLiteral("Einträge je Stilrichtung"), stats.perStyle), this));
    addPage(QStringLiteral("Be&wertung"), chartView("chartBewertung", ratingBarChart(stats.perRating), this));
    addPage(QStringLiteral("&Käufe pro Jahr"),
            chartView("chartKaeufe", purchasesLineChart(stats.purchasesPerYear), this));
    auto *prices = new QWidget(this);
    prices->setObjectName(QStringLiteral("pagePreise"));
    auto *pricesLayout = new QHBoxLayout(prices);
    pricesLayout->addWidget(
        chartView("chartPreisSumme", priceBarChart(QStringLiteral("Summe je Medium"), stats.pricesPerMedium, false), prices));
    pricesLayout->addWidget(chartView(
        "chartPreisSchnitt", priceBarChart(QStringLiteral("Durchschnitt je Medium"), stats.pricesPerMedium, true), prices));
    addPage(QStringLiteral("&Preise"), prices);
    addPage(QStringLiteral("&Bands"),
            chartView("chartBands", namesBarChart(QStringLiteral("Die zehn häufigsten Bands"), stats.topBands, 10), this));
    addPage(QStringLiteral("&Digitalisiert"),
            chartView("chartDigitalisiert", digitisedPieChart(stats.digitised, stats.entries), this));
    m_pages->setCurrentIndex(std::clamp(shownPage, 0, m_pages->count() - 1));
    showFigures();
}

void frmStatistik::showDigitised(int digitised)
{
    m_stats.digitised = digitised;
    m_digitisedKnown = true;
    if (auto *view = findChild<QChartView *>(QStringLiteral("chartDigitalisiert"))) {
        QChart *old = view->chart();
        view->setChart(digitisedPieChart(digitised, m_stats.entries));
        delete old; // setChart leaves the old chart to us
    }
    showFigures();
}

void frmStatistik::showFigures()
{
    long long total = 0;
    int priced = 0;
    for (const MediumPrices &medium : m_stats.pricesPerMedium) {
        total += medium.totalCents;
        priced += medium.priced;
    }
    QStringList lines;
    if (m_digitisedKnown)
        lines << QStringLiteral("%1, davon %2 digitalisiert (%3).")
                     .arg(entriesText(m_stats.entries))
                     .arg(m_stats.digitised)
                     .arg(percent(m_stats.digitised, m_stats.entries));
    else
        lines << entriesText(m_stats.entries) + QStringLiteral(", die Musikordner werden noch gezählt...");
    lines << QStringLiteral("Preise: %1, zusammen %2, im Schnitt %3.")
                 .arg(entriesText(priced))
                 .arg(euroText(total), euroText(priced ? (total + priced / 2) / priced : 0));
    if (m_stats.unreadablePrices.count)
        lines << QStringLiteral("Preis nicht lesbar: ") + unreadableSummary(m_stats.unreadablePrices);
    if (m_stats.unreadableDates.count)
        lines << QStringLiteral("Kaufdatum nicht lesbar: ") + unreadableSummary(m_stats.unreadableDates);
    m_figures->setText(lines.join(QLatin1Char('\n')));
}

void frmStatistik::cmdBildSpeichern_Click()
{
    QWidget *page = m_pages->currentWidget();
    if (!page)
        return;
    const QString folder = m_program.settings.read(keys::BerichtOrdner);
    const QString name = m_pages->tabText(m_pages->currentIndex()).remove(QLatin1Char('&'));
    QFileDialog dialog(this, QStringLiteral("Als Bild speichern"),
                       QDir(folder.isEmpty() ? QDir::homePath() : folder)
                           .filePath(QStringLiteral("Statistik %1.png").arg(name)));
    dialog.setObjectName(QStringLiteral("dlgBildSpeichern"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setNameFilters({QStringLiteral("PNG-Bild (*.png)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_program.settings.write(keys::BerichtOrdner, QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && page->grab().save(&file, "PNG") && file.commit();
    if (!saved)
        MsgLumo(m_program, this,
                QStringLiteral("Das Bild konnte nicht gespeichert werden:\r\n%1\r\n\r\n%2").arg(path, file.errorString()), 3,
                0, QStringLiteral("Als Bild speichern"), 1, 0xC0E0FF, 0x352300);
}

} // namespace klangtruhe
