#include "catalogue/recordgrid.h"

#include "app/icons.h"
#include "app/mainlayout.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/celldelegate.h"
#include "catalogue/columnlayout.h"
#include "catalogue/data1.h"
#include "catalogue/recordtablemodel.h"
#include "catalogue/textwidthmeter.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/twips.h"
#include "texts/rtfcodec.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <cmath>

namespace klangtruhe {

namespace {

constexpr int kWidthCap = 10000;    // twips
constexpr int kWidthPadding = 200;  // twips beside the widest text
constexpr int kMeasuredChars = kCellTextLimit; // what a cell shows of a long text

// A cell's text as the grid shows it, from the engine's UTF-8: rich text as
// its visible line, other text as it is (the usual case, no copy).
QByteArray shownUtf8(const QByteArray &stored)
{
    if (!looksLikeRtfUtf8(std::string_view(stored.constData(), static_cast<size_t>(stored.size()))))
        return stored;
    return cellDisplayText(QString::fromUtf8(stored)).toUtf8();
}

} // namespace

RecordGrid::RecordGrid(Program &program, CatalogueComponent &catalogue)
    : QObject(&catalogue)
    , m_program(program)
    , m_catalogue(catalogue)
    , m_grid(catalogue.grid())
    , m_columnLayout(catalogueFieldNames())
    , m_widths(static_cast<size_t>(kFieldCount), 1000)
{
    m_grid->setItemDelegate(new CellDelegate(m_grid));
    QHeaderView *header = m_grid->horizontalHeader();
    // Rows are selected whole, so a header click selects no column; it sorts.
    header->setSectionsClickable(true);
    header->setMinimumSectionSize(0);
    connect(header, &QHeaderView::sectionClicked, this, &RecordGrid::headerSort);
    connect(header, &QHeaderView::sectionResized, this, &RecordGrid::onSectionResized);
    connect(&catalogue.model(), &QAbstractItemModel::modelReset, this, &RecordGrid::applyWidths);

    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { showEditMenu(m_grid->viewport()->mapToGlobal(position)); });
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, [this, header](const QPoint &position) {
        const int section = header->logicalIndexAt(position);
        showEditMenu(header->mapToGlobal(position));
        if (section >= 0)
            headerSort(section);
    });
    m_grid->viewport()->installEventFilter(this);

    // The selection shows the system's highlight while the grid is in a
    // cell, and fades to the plain text colours when the focus leaves it.
    m_grid->installEventFilter(this);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { setSelectionColours(true); });
    setSelectionColours(m_grid->hasFocus());

    createLetterButtons();
    if (QAction *optimise = catalogue.window().findChild<QAction *>(QStringLiteral("mnuSpaltenbreite"))) {
        optimise->setEnabled(true);
        connect(optimise, &QAction::triggered, this, &RecordGrid::optimiseColumnWidths);
    }
}

void RecordGrid::createLetterButtons()
{
    QWidget *area = m_catalogue.window().centralWidget();
    m_columnMenu = new QMenu(QStringLiteral("Spaltenkopf"), area);
    m_columnMenu->setObjectName(QStringLiteral("mnuSpaltenkopf"));
    m_columnChoice = new QActionGroup(m_columnMenu);
    m_columnChoice->setExclusive(true);
    const QStringList fields = letterColumnFields();
    for (int i = 0; i < fields.size(); ++i) {
        QAction *entry = m_columnMenu->addAction(fields.at(i));
        entry->setObjectName(QStringLiteral("mnuSpaltenkopf_%1").arg(i));
        entry->setCheckable(true);
        entry->setChecked(i == 0);
        m_columnChoice->addAction(entry);
    }

    const auto &first = layout::kLetterButtonFirst;
    for (int k = 0; k < 32; ++k) {
        auto *button = new QToolButton(area);
        button->setObjectName(QStringLiteral("ButtonAlpabeth_%1").arg(k));
        button->setText(letterButtonCaption(k));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(twipsRect(first.left + k * layout::kLetterButtonStep, first.top, first.width, first.height));
        connect(button, &QToolButton::clicked, this, [this, k] { ButtonAlpabeth_Click(k); });
        button->installEventFilter(this);
        m_letterButtons.push_back(button);
    }

    m_chkTabelle = new QCheckBox(area);
    m_chkTabelle->setObjectName(QStringLiteral("chkTabelle"));
    m_chkTabelle->setToolTip(QStringLiteral(" Für jeden Buchstaben A-Z, eine eigene Tabelle anzeigen "));
    m_chkTabelle->setGeometry(
        twipsRect(first.left + 32 * layout::kLetterButtonStep + 60, first.top, 330, first.height));
    connect(m_chkTabelle, &QCheckBox::clicked, this, &RecordGrid::chkTabelle_Click);

    // Beside them: the whole table again, as "&Aktualisieren" in the menu.
    auto *refresh = new QToolButton(area);
    refresh->setObjectName(QStringLiteral("cmdAktualisieren"));
    refresh->setToolTip(QStringLiteral(" Aktualisieren "));
    refresh->setIcon(klangtruheIcon(QStringLiteral("aktualisieren")));
    refresh->setFocusPolicy(Qt::NoFocus);
    refresh->setGeometry(
        twipsRect(first.left + 32 * layout::kLetterButtonStep + 60 + 330 + 60, first.top, first.width, first.height));
    connect(refresh, &QToolButton::clicked, this, [this] {
        if (QAction *menu = m_catalogue.window().findChild<QAction *>(QStringLiteral("MenuAktualisieren")))
            menu->trigger();
    });
}

void RecordGrid::setSelectionColours(bool inCell)
{
    const SelectionColours colours = gridSelectionColours(QApplication::palette(), inCell);
    QPalette palette = m_grid->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, colours.background);
        palette.setColor(group, QPalette::HighlightedText, colours.text);
    }
    m_grid->setPalette(palette);
}

bool RecordGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        setSelectionColours(event->type() == QEvent::FocusIn);
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton
        && qobject_cast<QToolButton *>(watched)) {
        m_columnMenu->popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    }
    // A right click opens the menu for the current row and leaves it current.
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        return true;
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        if (m_catalogue.hooks.trackList)
            m_catalogue.hooks.trackList();
    }
    return QObject::eventFilter(watched, event);
}

void RecordGrid::showEditMenu(const QPoint &globalPosition)
{
    if (auto *edit = m_catalogue.window().findChild<QMenu *>(QStringLiteral("mnuBearbeiten")))
        edit->exec(globalPosition);
}

// ---- widths -----------------------------------------------------------------

int RecordGrid::columnWidth(int column) const
{
    return column >= 0 && column < static_cast<int>(m_widths.size()) ? m_widths[static_cast<size_t>(column)] : 0;
}

void RecordGrid::setColumnWidth(int column, int twips)
{
    if (column < 0)
        return;
    if (column >= static_cast<int>(m_widths.size()))
        m_widths.resize(static_cast<size_t>(column) + 1, 1000);
    m_widths[static_cast<size_t>(column)] = std::max(0, twips);
    applyWidths();
}

void RecordGrid::fitWidthsToColumns()
{
    const size_t columns = static_cast<size_t>(m_catalogue.model().columnCount());
    if (m_widths.size() < columns)
        m_widths.resize(columns, 1000);
}

void RecordGrid::applyWidths()
{
    fitWidthsToColumns();
    QHeaderView *header = m_grid->horizontalHeader();
    const int columns = m_catalogue.model().columnCount();
    m_applyingWidths = true;
    for (int c = 0; c < columns; ++c) {
        const int twips = m_widths[static_cast<size_t>(c)];
        // Width 0 hides a column; only sections that change are touched.
        if (twips == 0) {
            if (!header->isSectionHidden(c))
                header->hideSection(c);
            continue;
        }
        if (header->isSectionHidden(c))
            header->showSection(c);
        // A shown column is never narrower than its header, whatever the font.
        const int pixels = std::max({1, twipsToPixelsX(twips), header->sectionSizeHint(c)});
        if (header->sectionSize(c) != pixels)
            header->resizeSection(c, pixels);
    }
    m_applyingWidths = false;
}

void RecordGrid::onSectionResized(int section, int, int newSize)
{
    if (m_applyingWidths || section < 0)
        return;
    fitWidthsToColumns();
    if (section < static_cast<int>(m_widths.size()))
        m_widths[static_cast<size_t>(section)] = newSize <= 0 ? 0 : static_cast<int>(std::lround(pixelsToTwipsX(newSize)));
}

void RecordGrid::storeColumnWidths()
{
    fitWidthsToColumns();
    const int columns = m_catalogue.model().columnCount();
    for (int i = 0; i < columns; ++i)
        m_program.settings.write(keys::Spaltenbreite, i, QString::number(m_widths[static_cast<size_t>(i)]));
}

void RecordGrid::readGridSettings()
{
    SettingsStore &settings = m_program.settings;
    m_chkTabelle->setChecked(settings.read(keys::TopRow) == QLatin1String("1"));
    const QStringList layoutTexts = readLayoutTexts(settings);
    m_grid->setUpdatesEnabled(false);
    m_columnLayout = applyLayoutWidths(layoutTexts, readColumnWidths(settings), m_widths);
    applyWidths();
    m_grid->setUpdatesEnabled(true);
    m_grid->repaint();
    doEvents();
}

void RecordGrid::TabelleAnordnen()
{
    SettingsStore &settings = m_program.settings;
    RecordTableModel &model = m_catalogue.model();
    fitWidthsToColumns();
    const int columns = model.columnCount();

    storeColumnWidths();
    const QStringList layoutTexts = readLayoutTexts(settings);
    const std::vector<int> before = m_widths;
    m_columnLayout = applyLayoutWidths(layoutTexts, readColumnWidths(settings), m_widths);

    if (m_catalogue.hooks.trackList)
        m_catalogue.hooks.trackList();

    std::vector<std::pair<int, int>> moves;
    if (!m_program.tableNotSorted) {
        QStringList headers;
        for (int c = 0; c < columns; ++c)
            headers << model.headerText(c);
        moves = arrangeColumns(headers, m_columnLayout, readLayoutTexts(settings), m_widths);
    }
    if (moves.empty() && before == m_widths)
        return; // nothing to redraw: the usual case on an entry change
    m_grid->setUpdatesEnabled(false);
    for (const auto &[from, to] : moves)
        model.moveColumn(from, to);
    applyWidths();
    m_grid->setUpdatesEnabled(true);
}

void RecordGrid::optimiseColumnWidths()
{
    BusyPointer busy;
    m_program.autosizeRunning = true;
    m_grid->setUpdatesEnabled(false);

    RecordTableModel &model = m_catalogue.model();
    const int columns = model.columnCount();
    fitWidthsToColumns();
    const double pixelsPerTwip = 1.0 / twipsPerPixelX();
    const double limitPixels = (kWidthCap - kWidthPadding) * pixelsPerTwip;

    std::vector<double> widest(static_cast<size_t>(columns), 0.0);
    const TextWidthMeter headerMeter(m_grid->horizontalHeader()->font(), kMeasuredChars);
    for (int c = 0; c < columns; ++c)
        widest[static_cast<size_t>(c)] = headerMeter.width(model.headerText(c), limitPixels);

    // One pass over the result; a column that reached the cap is not measured again.
    const TextWidthMeter meter(m_grid->font(), kMeasuredChars);
    std::vector<int> resultColumns;
    for (int c = 0; c < columns; ++c)
        resultColumns.push_back(model.resultColumn(c));
    int open = 0;
    for (int c = 0; c < columns; ++c)
        open += widest[static_cast<size_t>(c)] < limitPixels;
    if (open > 0) {
        m_catalogue.data().scanColumns(resultColumns, [&](int, const QByteArray *texts) {
            for (size_t c = 0; c < widest.size(); ++c) {
                if (widest[c] >= limitPixels)
                    continue;
                const double w = meter.width(shownUtf8(texts[c]), limitPixels);
                if (w > widest[c]) {
                    widest[c] = w;
                    if (w >= limitPixels && --open == 0)
                        return false;
                }
            }
            return true;
        });
    }
    for (int c = 0; c < columns; ++c) {
        const double twips = std::ceil(widest[static_cast<size_t>(c)] / pixelsPerTwip) + kWidthPadding;
        m_widths[static_cast<size_t>(c)] = static_cast<int>(std::min<double>(kWidthCap, twips));
    }
    applyWidths();

    m_grid->setUpdatesEnabled(true);
    m_program.autosizeRunning = false;
    TabelleAnordnen();
}

// ---- sorting, letters, jump mode --------------------------------------------

void RecordGrid::headerSort(int section)
{
    BusyPointer busy;
    Data1 &data = m_catalogue.data();
    const SortStep step = headerSortStatement(m_columnLayout.value(section), m_lastSortAscending, data.recordSource());
    m_lastSortAscending = step.ascending;
    data.setRecordSource(step.statement);
    DatabaseError error;
    data.refresh(error); // a statement naming a missing field changes nothing
}

QString RecordGrid::letterColumn() const
{
    for (QAction *entry : m_columnMenu->actions()) {
        if (entry->isChecked())
            return entry->text();
    }
    return QString();
}

void RecordGrid::chkTabelle_Click()
{
    if (m_chkTabelle->isChecked()) {
        m_program.settings.write(keys::TopRow, QStringLiteral("1"));
    } else {
        m_program.settings.write(keys::TopRow, QStringLiteral("0"));
        m_catalogue.refresh();
    }
}

void RecordGrid::ButtonAlpabeth_Click(int index)
{
    if (index < 0 || index > 31)
        return;
    const QString column = letterColumn();
    if (index >= 26) {
        m_chkTabelle->setChecked(true);
        chkTabelle_Click();
    }
    if (m_chkTabelle->isChecked()) {
        BusyPointer busy;
        Data1 &data = m_catalogue.data();
        data.setRecordSource(letterFilterStatement(index, column));
        DatabaseError error;
        data.refresh(error);
        m_grid->scrollToTop();
        m_grid->setFocus();
    } else {
        jumpToLetter(index);
    }
    if (m_catalogue.hooks.clearStilAusgeschlossen)
        m_catalogue.hooks.clearStilAusgeschlossen();
}

void RecordGrid::jumpToLetter(int index)
{
    RecordTableModel &model = m_catalogue.model();
    const QString column = letterColumn();
    int displayColumn = -1;
    for (int c = 0; c < model.columnCount() && displayColumn < 0; ++c) {
        if (model.headerText(c) == column)
            displayColumn = c;
    }
    if (displayColumn < 0)
        return;
    const QChar letter = letterButtonCaption(index).at(0);
    const char lower = static_cast<char>(letter.toLower().toLatin1());
    int first = -1;
    m_catalogue.data().scanColumns({model.resultColumn(displayColumn)}, [&](int position, const QByteArray *texts) {
        if (first >= 0 && position > first)
            return true;
        const QByteArray text = shownUtf8(texts[0]);
        if (text.isEmpty())
            return true;
        const bool match = static_cast<unsigned char>(text.at(0)) < 0x80
                               ? (text.at(0) == letter.toLatin1() || text.at(0) == lower)
                               : startsWithLetter(QString::fromUtf8(text.left(4)), letter);
        if (match)
            first = position;
        return true;
    });
    const int gridRow = first + 1;
    if (first >= 0 && mayBecomeTopRow(gridRow, model.rowCount() + 1))
        m_grid->verticalScrollBar()->setValue(first); // the grid scrolls by whole rows
}

int RecordGrid::topRow() const
{
    const int row = m_grid->rowAt(0);
    return row < 0 ? 0 : row + 1;
}

} // namespace klangtruhe
