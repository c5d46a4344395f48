#include "reports/reportscomponent.h"

#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/data1.h"
#include "catalogue/pathparts.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/positionform.h"
#include "media/coverrules.h"
#include "media/ebookrules.h"
#include "player/playerrules.h"
#include "reports/frmsammlungpruefen.h"
#include "reports/frmstatistik.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTableView>
#include <QTimer>
#include <algorithm>

namespace klangtruhe {

namespace {
// Music folders looked at between two rounds of window events.
constexpr size_t kFoldersBetweenEvents = 500;
} // namespace

ReportsComponent::ReportsComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_catalogue(catalogue)
    , m_statisticsFollow(new QTimer(this))
{
    m_statisticsFollow->setSingleShot(true);
    m_statisticsFollow->setInterval(0);
    connect(m_statisticsFollow, &QTimer::timeout, this, [this] {
        if (m_statistics && m_statistics->isVisible())
            showStatistics();
    });
    connect(&m_catalogue.data(), &Data1::reloaded, m_statisticsFollow, qOverload<>(&QTimer::start));
    connectMenu();
}

ReportsComponent::~ReportsComponent() = default;

frmSammlungPruefen *ReportsComponent::healthWindow() const
{
    return m_health;
}

frmStatistik *ReportsComponent::statisticsWindow() const
{
    return m_statistics;
}

void ReportsComponent::connectMenu()
{
    if (auto *health = m_window.findChild<QAction *>(QStringLiteral("mnuSammlungPruefen"))) {
        health->setEnabled(true);
        connect(health, &QAction::triggered, this, &ReportsComponent::mnuSammlungPruefen_Click);
    }
    if (auto *statistics = m_window.findChild<QAction *>(QStringLiteral("mnuStatistik"))) {
        statistics->setEnabled(true);
        connect(statistics, &QAction::triggered, this, &ReportsComponent::mnuStatistik_Click);
    }
}

bool ReportsComponent::databaseOpen()
{
    if (m_catalogue.data().hasDatabase())
        return true;
    MsgLumo(m_program, &m_window, QStringLiteral("Es ist keine Datenbank geöffnet."), 3, 0,
            QStringLiteral("Bedienungshinweis"), 1, 0xC0E0FF, 0x352300);
    return false;
}

std::vector<HealthEntry> ReportsComponent::healthEntries()
{
    Data1 &data = m_catalogue.data();
    std::vector<HealthEntry> entries;
    entries.reserve(static_cast<size_t>(std::max(0, data.recordCount())));
    const std::vector<bool> pictures = data.positionsWithValue(data.fieldIndex(QStringLiteral("Bilder")));
    const std::vector<int> columns{data.fieldIndex(QStringLiteral("Band")), data.fieldIndex(QStringLiteral("LPTitel")),
                                   data.fieldIndex(QStringLiteral("Musikpfad")), data.fieldIndex(QStringLiteral("eBook")),
                                   data.fieldIndex(QStringLiteral("BildPfad"))};
    data.scanColumns(columns, [&](int position, const QByteArray *texts) {
        HealthEntry entry;
        entry.position = position;
        entry.band = QString::fromUtf8(texts[0]);
        entry.title = QString::fromUtf8(texts[1]);
        entry.musicFolder = QString::fromUtf8(texts[2]);
        entry.eBook = QString::fromUtf8(texts[3]);
        entry.bildPfad = QString::fromUtf8(texts[4]);
        entry.hasPicture = static_cast<size_t>(position) < pictures.size() && pictures[static_cast<size_t>(position)];
        entries.push_back(std::move(entry));
        return true;
    });
    std::sort(entries.begin(), entries.end(),
              [](const HealthEntry &a, const HealthEntry &b) { return a.position < b.position; });
    return entries;
}

HealthPlaces ReportsComponent::healthPlaces() const
{
    HealthPlaces places;
    places.pathMap = m_program.pathMap;
    places.coverFolder = coverFolder(m_program.databaseFolder);
    places.eBookFolder = eBookFolder(m_program.databaseFolder);
    const auto *fromDatabase = m_window.findChild<QAction *>(QStringLiteral("mnuBildDatenbankpfad"));
    places.fromDatabaseFolder = fromDatabase && fromDatabase->isChecked();
    return places;
}

void ReportsComponent::mnuSammlungPruefen_Click()
{
    if (!databaseOpen())
        return;
    if (m_health && m_health->running()) {
        m_health->raise();
        m_health->activateWindow();
        return;
    }
    // The check covers the whole catalogue, so the table shows all of it and
    // a double click on a finding finds its entry there.
    if (m_catalogue.data().recordSource() != standardStatement())
        m_catalogue.refresh();
    if (!m_health) {
        m_health = new frmSammlungPruefen(m_program, &m_window);
        connect(m_health, &frmSammlungPruefen::entryChosen, this, &ReportsComponent::goToEntry);
        PositionForm(m_health, &m_window, QStringLiteral("center"), 10);
    }
    m_health->show();
    m_health->raise();

    std::vector<HealthEntry> entries;
    {
        BusyPointer busy;
        entries = healthEntries();
    }
    QPointer<frmSammlungPruefen> window = m_health;
    QPointer<ReportsComponent> alive = this;
    window->beginRun(static_cast<int>(entries.size()));
    HealthReport report = checkCollection(entries, healthPlaces(), [window](int done, int total) {
        return window && window->showProgress(done, total);
    });
    // The program may have been closed while the run let events through.
    if (!alive || !window)
        return;
    window->showReport(std::move(report));
}

void ReportsComponent::goToEntry(int position, const QString &band, const QString &title)
{
    Data1 &data = m_catalogue.data();
    if (!data.hasDatabase())
        return;
    if (data.recordSource() != standardStatement())
        m_catalogue.refresh();
    const int bandColumn = data.fieldIndex(QStringLiteral("Band"));
    const int titleColumn = data.fieldIndex(QStringLiteral("LPTitel"));
    auto matches = [&](int at) {
        return at >= 0 && at < data.recordCount() && data.text(at, bandColumn) == band
            && data.text(at, titleColumn) == title;
    };
    int target = matches(position) ? position : -1;
    if (target < 0) {
        // Edits since the run may have moved it: the first entry with that band and title.
        const QByteArray wantedBand = band.toUtf8(), wantedTitle = title.toUtf8();
        int first = -1;
        data.scanColumns({bandColumn, titleColumn}, [&](int at, const QByteArray *texts) {
            if (texts[0] == wantedBand && texts[1] == wantedTitle && (first < 0 || at < first))
                first = at;
            return true;
        });
        target = first;
    }
    if (target < 0) {
        MsgLumo(m_program, m_health ? static_cast<QWidget *>(m_health) : &m_window,
                QStringLiteral("Dieser Eintrag ist nicht mehr in der Datenbank:\r\n") + band + QStringLiteral(" - ") + title,
                3, 0, QStringLiteral("Hinweis"), 1, 0xC0E0FF, 0x352300);
        return;
    }
    if (data.absolutePosition() != target)
        data.setAbsolutePosition(target);
    if (QTableView *grid = m_catalogue.grid())
        grid->scrollTo(grid->model()->index(target, 0));
}

std::vector<StatisticsEntry> ReportsComponent::statisticsEntries(std::vector<QString> *musicFolders)
{
    Data1 &data = m_catalogue.data();
    std::vector<StatisticsEntry> entries;
    entries.reserve(static_cast<size_t>(std::max(0, data.recordCount())));
    std::vector<QString> folders;
    const std::vector<int> columns{data.fieldIndex(QStringLiteral("Band")),   data.fieldIndex(QStringLiteral("Medium")),
                                   data.fieldIndex(QStringLiteral("Stil")),   data.fieldIndex(QStringLiteral("Preis")),
                                   data.fieldIndex(QStringLiteral("Datum")),  data.fieldIndex(QStringLiteral("Bewertung")),
                                   data.fieldIndex(QStringLiteral("Musikpfad"))};
    data.scanColumns(columns, [&](int, const QByteArray *texts) {
        entries.push_back({QString::fromUtf8(texts[0]), QString::fromUtf8(texts[1]), QString::fromUtf8(texts[2]),
                           QString::fromUtf8(texts[3]), QString::fromUtf8(texts[4]), QString::fromUtf8(texts[5]), false});
        folders.push_back(QString::fromUtf8(texts[6]).trimmed());
        return true;
    });
    if (musicFolders) {
        *musicFolders = std::move(folders);
        return entries;
    }
    // The folders are looked at after the pass, not while the engine's statement is open.
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i].digitised = holdsTracks(folders[i]);
    return entries;
}

bool ReportsComponent::holdsTracks(const QString &storedFolder) const
{
    return storedFolder.size() >= 2 && folderHoldsTracks(withTrailingSeparator(m_program.localPath(storedFolder)));
}

void ReportsComponent::showStatistics()
{
    const int run = ++m_statisticsRun;
    std::vector<QString> folders;
    {
        BusyPointer busy;
        const CatalogueStatistics stats = computeStatistics(statisticsEntries(&folders));
        const QLabel *selection = m_catalogue.tableNameLabel();
        m_statistics->showStatistics(stats, selection ? selection->text() : QStringLiteral("alle"), false);
    }
    m_statistics->show();
    m_statistics->raise();
    // Looking into every music folder takes longest; the charts are there
    // meanwhile and the window stays usable.
    QPointer<ReportsComponent> alive = this;
    QPointer<frmStatistik> window = m_statistics;
    int digitised = 0;
    for (size_t i = 0; i < folders.size(); ++i) {
        if (i % kFoldersBetweenEvents == kFoldersBetweenEvents - 1) {
            doEvents();
            if (!alive || !window || !window->isVisible() || run != m_statisticsRun)
                return;
        }
        digitised += holdsTracks(folders[i]) ? 1 : 0;
    }
    window->showDigitised(digitised);
}

void ReportsComponent::mnuStatistik_Click()
{
    if (!databaseOpen())
        return;
    if (!m_statistics) {
        m_statistics = new frmStatistik(m_program, &m_window);
        PositionForm(m_statistics, &m_window, QStringLiteral("center"), 10);
    }
    m_statistics->show();
    m_statistics->activateWindow();
    showStatistics();
}

} // namespace klangtruhe
