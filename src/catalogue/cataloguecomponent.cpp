#include "catalogue/cataloguecomponent.h"

#include "app/mainlayout.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/data1.h"
#include "catalogue/detailview.h"
#include "catalogue/frmpfadzuordnung.h"
#include "catalogue/frmspaltenanordnen.h"
#include "catalogue/jetimportflow.h"
#include "catalogue/pathparts.h"
#include "catalogue/recordgrid.h"
#include "catalogue/recordtablemodel.h"
#include "common/ansitext.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/positionform.h"
#include "common/twips.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QTableView>

namespace klangtruhe {

namespace {

const QString kLoading = QStringLiteral(" Datenbank wird geladen...");
const QString kLoadFailed = QStringLiteral(" Fehler beim Laden der Datenbank!");

// The first line of "PfadErststart.txt" (Windows-1252 like all our ini files).
QString firstLineOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = splitListLines(decodeListFile(file.read(64 * 1024)));
    return lines.isEmpty() ? QString() : lines.constFirst().trimmed();
}

QString menuCaption(const QString &path)
{
    QString caption = path;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption;
}

} // namespace

CatalogueComponent::CatalogueComponent(Program &program, QMainWindow &window, StatusBar &status)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_status(status)
    , m_data(new Data1(this))
{
    m_data->setObjectName(QStringLiteral("Data1"));
    m_model = new RecordTableModel(*m_data, this);

    QWidget *area = window.centralWidget();
    m_grid = new QTableView(area);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    // Cells are clipped as in the flex grid, without an ellipsis.
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->setVisible(false);
    // A fixed row height: sizing rows to their contents would read every row.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setDefaultSectionSize(twipsToPixelsX(1000));
    m_grid->setGeometry(twipsRect(layout::kGrid.left, layout::kGrid.top, 9000, 2000));

    m_tableName = new QLabel(QStringLiteral("alle"), area);
    m_tableName->setObjectName(QStringLiteral("lblTabellenName"));
    m_tableName->setGeometry(twipsRect(layout::kTableNameLabel.left, layout::kTableNameLabel.top,
                                       layout::kTableNameLabel.width, layout::kTableNameLabel.height));

    m_recordGrid = new RecordGrid(program, *this);
    TabelleAnordnen = [this] { m_recordGrid->TabelleAnordnen(); };
    m_detail = new DetailView(program, *m_data, area);
    m_detail->reportParent = &window;
    m_detail->hidePlaylistView = [this] {
        if (hooks.hidePlaylistView)
            hooks.hidePlaylistView();
    };
    m_detail->onlineSearch = [this](int label) {
        if (hooks.onlineSearch)
            hooks.onlineSearch(label);
    };
    m_grid->installEventFilter(this);

    connect(m_data, &Data1::currentChanged, this, &CatalogueComponent::onCurrentChanged);
    // Any move of the current cell, to another row or column, goes to that row's entry.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CatalogueComponent::onGridCurrentChanged);
    connect(m_data, &Data1::reloaded, this, [this] {
        if (!m_program.databasePath.isEmpty())
            showCatalogueName();
    });
    connect(m_data, &Data1::editNotStored, this, [this](const DatabaseError &error) {
        MsgLumo(m_program, &m_window, QString::number(error.number) + QLatin1Char(' ') + error.description, 3, 0,
                QStringLiteral("Hinweis"), 1, 0xC0E0FF, 0x352300);
    });
    connectMenu();
}

CatalogueComponent::~CatalogueComponent() = default;

void CatalogueComponent::connectMenu()
{
    auto *open = m_window.findChild<QAction *>(QStringLiteral("mnuOeffnen"));
    auto *refreshAction = m_window.findChild<QAction *>(QStringLiteral("MenuAktualisieren"));
    if (open) {
        open->setEnabled(true);
        connect(open, &QAction::triggered, this, [this] { OpenDatabase(); });
    }
    if (refreshAction) {
        refreshAction->setEnabled(true);
        connect(refreshAction, &QAction::triggered, this, &CatalogueComponent::refresh);
    }
    if (auto *arrange = m_window.findChild<QAction *>(QStringLiteral("mnuTabelleAnordnen"))) {
        arrange->setEnabled(true);
        connect(arrange, &QAction::triggered, this, &CatalogueComponent::mnuTabelleAnordnen_Click);
    }
    if (auto *pathMap = m_window.findChild<QAction *>(QStringLiteral("mnuPfadzuordnung"))) {
        pathMap->setEnabled(true);
        connect(pathMap, &QAction::triggered, this, &CatalogueComponent::mnuPfadzuordnung_Click);
    }
    for (int i = 0; i < 10; ++i) {
        if (auto *recent = m_window.findChild<QAction *>(QStringLiteral("mnuOrdnerpfad_%1").arg(i))) {
            recent->setEnabled(true);
            connect(recent, &QAction::triggered, this, [this, i] { chooseRecentEntry(i); });
        }
    }
}

void CatalogueComponent::loadRecentList()
{
    for (int i = 0; i < 10; ++i)
        m_recent[static_cast<size_t>(i)] = m_program.settings.read(keys::Ordnerpfad, i);
    showRecentList();
}

void CatalogueComponent::showRecentList()
{
    for (int i = 0; i < 10; ++i) {
        if (auto *recent = m_window.findChild<QAction *>(QStringLiteral("mnuOrdnerpfad_%1").arg(i))) {
            const QString &path = m_recent[static_cast<size_t>(i)];
            recent->setText(menuCaption(path));
            recent->setData(path);
            recent->setVisible(!path.isEmpty());
        }
    }
}

void CatalogueComponent::openAtStartup()
{
    Program &p = m_program;
    p.databasePath = p.settings.read(keys::ArchivPfad);
    const QString templatePath = p.programFolder + QStringLiteral("Archiv_leer.mdb");
    if (!p.databasePath.isEmpty() && !QFileInfo::exists(p.databasePath))
        p.databasePath = templatePath; // not stored: the next start tries the old path again
    if (p.databasePath.isEmpty()) {
        const QString firstStart = p.programFolder + QStringLiteral("PfadErststart.txt");
        if (QFileInfo::exists(firstStart)) {
            p.databasePath = firstLineOf(firstStart);
            if (!p.databasePath.isEmpty() && QFileInfo(p.databasePath).isRelative())
                p.databasePath = p.programFolder + p.databasePath;
        } else {
            p.databasePath = templatePath;
        }
        p.settings.write(keys::ArchivPfad, p.databasePath);
    }
    p.databaseFolder = FolderPart(p.databasePath);

    if (!QFileInfo::exists(p.databasePath))
        return; // the program runs on without a database
    // An Access file from the Windows program: converted, the new catalogue
    // opens and is stored; declined, its opening fails as any foreign file's.
    std::optional<JetConversion> conversion;
    if (catalogueFileKind(p.databasePath) == CatalogueFileKind::JetAccess) {
        m_window.show();
        conversion = offerJetConversion(p, &m_window, p.databasePath);
        if (conversion) {
            p.databasePath = conversion->target;
            p.databaseFolder = FolderPart(p.databasePath);
            p.settings.write(keys::ArchivPfad, p.databasePath);
        }
    }
    m_data->setDatabaseName(p.databasePath);
    const QString stored = p.settings.read(keys::Data1RecordSource);
    m_data->setRecordSource(stored);
    DatabaseError error;
    if (!m_data->refresh(error)) {
        // A stored statement that no longer works (a field renamed, a hand-edited
        // setting) must not cost the rest of the start: the whole collection instead.
        const QString fallback = QStringLiteral("select * from Schallplatten order by Band");
        DatabaseError fallbackError;
        m_data->setRecordSource(fallback);
        if (stored == fallback || !m_data->refresh(fallbackError))
            throw error;
        p.settings.write(keys::Data1RecordSource, fallback);
        p.settings.write(keys::TabellenName, QStringLiteral("alle"));
        m_window.show();
        MsgLumo(p, &m_window,
                QStringLiteral("Die gespeicherte Auswahl konnte nicht gelesen werden:\r\n%1\r\n\r\n"
                               "Es wird die ganze Sammlung gezeigt, nach Band geordnet.")
                    .arg(stored),
                3, 0, QStringLiteral("Hinweis"), 1, 0xC0E0FF, 0x352300);
    }
    doEvents();
    if (TabelleAnordnen)
        TabelleAnordnen();
    showCatalogueName();
    m_tableName->setText(p.settings.read(keys::TabellenName));
    if (conversion)
        showJetConversionReport(p, &m_window, *conversion);
}

void CatalogueComponent::OpenDatabase(const std::optional<QString> &givenPath)
{
    Program &p = m_program;
    QString path;
    QString fileName;
    if (givenPath) {
        path = *givenPath;
        fileName = FileNamePart(path);
    } else {
        QFileDialog dialog(&m_window, QStringLiteral(" Datenbank laden"), p.programFolder);
        dialog.setObjectName(QStringLiteral("dlgDatenbankLaden"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::ReadOnly, false);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setNameFilters({QStringLiteral("Datenbank (*.mdb)"), QStringLiteral("alle Dateien (*.*)")});
        dialog.selectFile(p.settings.read(keys::ArchivPfad, p.programFolder + QStringLiteral("Archiv_leer.mdb")));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            m_status.setPanel(1, kLoadFailed); // cancelling is not reported
            return;
        }
        path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
        fileName = QFileInfo(path).fileName();
    }

    // An Access file is converted first (the user is asked); the new catalogue opens.
    std::optional<JetConversion> conversion;
    if (catalogueFileKind(path) == CatalogueFileKind::JetAccess) {
        conversion = offerJetConversion(p, &m_window, path);
        if (!conversion) {
            m_status.setPanel(1, kLoadFailed);
            return;
        }
        path = conversion->target;
        fileName = FileNamePart(path);
    }

    BusyPointer busy;
    m_status.setPanel(1, kLoading);
    m_status.setPanel(2, QStringLiteral("no play"));

    // Check the chosen file before the open catalogue is let go, so a wrong
    // choice leaves the user where they were.
    DatabaseError error;
    auto database = CatalogueDatabase::open(path, error);
    if (!database) {
        busy.release();
        m_status.setPanel(1, kLoadFailed);
        failureReport(p, &m_window, QStringLiteral("Ausgabebox_mnuOeffnen_Click"), error.number, error.description);
        return;
    }

    m_data->setDatabaseName(QString());
    m_data->setRecordSource(QString());
    m_data->refresh(error);
    doEvents();
    if (TabelleAnordnen)
        TabelleAnordnen();

    m_data->setRecordSource(standardStatement());
    if (!m_data->refreshWith(std::move(database), error)) {
        busy.release();
        m_status.setPanel(1, kLoadFailed);
        failureReport(p, &m_window, QStringLiteral("Ausgabebox_mnuOeffnen_Click"), error.number, error.description);
        return;
    }
    doEvents();

    p.settings.write(keys::Data1RecordSource, m_data->recordSource());
    m_tableName->setText(QStringLiteral("alle"));
    p.settings.write(keys::TabellenName, QStringLiteral("alle"));
    if (TabelleAnordnen)
        TabelleAnordnen();

    p.settings.write(keys::ArchivPfad, path);
    m_recent = OrdnerMenuPfad(m_recent, path);
    showRecentList();
    for (int i = 0; i < 10; ++i)
        p.settings.write(keys::Ordnerpfad, i, m_recent[static_cast<size_t>(i)]);

    m_status.setPanel(1, fileName);
    p.databasePath = path;
    p.databaseFolder = FolderPart(path);
    if (hooks.coverStripRefresh)
        hooks.coverStripRefresh();
    if (hooks.clearStilAusgeschlossen)
        hooks.clearStilAusgeschlossen();
    if (conversion)
        showJetConversionReport(p, &m_window, *conversion);
}

void CatalogueComponent::mnuPfadzuordnung_Click()
{
    {
        frmPfadzuordnung dialog(m_program, {}, &m_window);
        PositionForm(&dialog, &m_window, QStringLiteral("center"), 10);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    // The current entry's tracks, covers and eBooks are looked for anew.
    if (m_data->recordCount() > 0)
        onCurrentChanged(m_data->absolutePosition());
}

void CatalogueComponent::chooseRecentEntry(int index)
{
    if (index < 0 || index > 9)
        return;
    const QString path = m_recent[static_cast<size_t>(index)];
    if (QFileInfo::exists(path)) {
        OpenDatabase(path);
        return;
    }
    const QString text = QStringLiteral("Diese Datenbank ist nicht mehr vorhanden bzw. nicht erreichbar!\r\n") + path
                         + QStringLiteral("\r\n\r\nSoll der Menüeintrag entfernen werden?");
    m_program.answerText = MsgLumo(m_program, &m_window, text, 22, 1, QStringLiteral("Datenbank nicht gefunden"), 1,
                                   0xC0E0FF, 0x352300);
    if (m_program.answerText == QLatin1String("Ja")) {
        m_recent[static_cast<size_t>(index)].clear();
        showRecentList();
        m_program.settings.write(keys::Ordnerpfad, index, QString());
    }
}

bool CatalogueComponent::applyRecordSource(const QString &statement, DatabaseError &error)
{
    m_data->setRecordSource(statement);
    return m_data->refresh(error);
}

void CatalogueComponent::refresh()
{
    BusyPointer busy;
    DatabaseError error;
    if (!applyRecordSource(standardStatement(), error)) {
        busy.release();
        failureReport(m_program, &m_window, QStringLiteral("Ausgabebox_MenuAktualisieren_Click"), error.number,
                      error.description);
        return;
    }
    doEvents();
    m_program.settings.write(keys::Data1RecordSource, m_data->recordSource());
    m_tableName->setText(QStringLiteral("alle"));
    m_program.settings.write(keys::TabellenName, QStringLiteral("alle"));
    if (hooks.coverStripRefresh)
        hooks.coverStripRefresh();
    if (TabelleAnordnen)
        TabelleAnordnen();
    if (hooks.clearStilAusgeschlossen)
        hooks.clearStilAusgeschlossen();
}

void CatalogueComponent::storeColumnWidths()
{
    m_recordGrid->storeColumnWidths();
}

void CatalogueComponent::readGridSettings()
{
    m_recordGrid->readGridSettings();
}

void CatalogueComponent::applyProgramFont(const QFont &font, bool songsToo)
{
    m_grid->setFont(font);
    // Rows keep one fixed height, taken from the font, never from the contents.
    m_grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
    m_detail->applyProgramFont(font, songsToo);
}

void CatalogueComponent::BezLaden()
{
    m_detail->BezLaden();
}

void CatalogueComponent::AnzahlTontraeger()
{
    m_status.setPanel(3, QStringLiteral("Tonträger: %1").arg(m_data->recordCount()));
}

void CatalogueComponent::mnuTabelleAnordnen_Click()
{
    {
        frmSpaltenAnordnen dialog(m_program, &m_window);
        dialog.showHelp = [this](const QString &topic) {
            if (hooks.ShowHelp)
                hooks.ShowHelp(topic);
        };
        PositionForm(&dialog, &m_window, QStringLiteral("center"), 10);
        dialog.exec();
    }
    if (TabelleAnordnen)
        TabelleAnordnen();
    m_recordGrid->optimiseColumnWidths();
}

bool CatalogueComponent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::FocusIn)
        m_program.lastFocusedControl = m_grid->objectName();
    return QObject::eventFilter(watched, event);
}

void CatalogueComponent::selectGridRow(int position)
{
    m_syncingGrid = true;
    if (position >= 0 && position < m_model->rowCount()) {
        const QModelIndex index = m_model->index(position, std::max(0, m_grid->currentIndex().column()));
        m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        m_grid->selectionModel()->clear();
    }
    m_syncingGrid = false;
}

void CatalogueComponent::onGridCurrentChanged(const QModelIndex &current)
{
    onGridRowChanged(current.isValid() ? current.row() + 1 : 0);
}

void CatalogueComponent::onGridRowChanged(int row)
{
    if (m_syncingGrid || m_program.autosizeRunning)
        return;
    // Row 0 is the header: no valid position, the current entry stays.
    if (row >= 1)
        m_data->setAbsolutePosition(row - 1);
}

void CatalogueComponent::showCatalogueName()
{
    const QString name = FileNamePart(m_program.databasePath);
    m_status.setPanel(1, m_data->editable() ? name : name + QStringLiteral(" – Auswahl nur zum Lesen"));
}

void CatalogueComponent::onCurrentChanged(int position)
{
    selectGridRow(position);
    // The bound controls follow the data source before the sequence runs.
    m_detail->showCurrentEntry();
    if (m_program.autosizeRunning)
        return;
    // The entry-change sequence, the one place where the other subsystems
    // join; each step skips silently when it fails.
    if (hooks.coverDisplay)
        hooks.coverDisplay();
    if (hooks.trackList)
        hooks.trackList();
    if (hooks.coverStrip)
        hooks.coverStrip();
    AnzahlTontraeger();
    if (hooks.eBookList)
        hooks.eBookList();
    if (TabelleAnordnen)
        TabelleAnordnen();
}

} // namespace klangtruhe
