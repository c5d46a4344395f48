#include "search/quicksearchcomponent.h"

#include "app/icons.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/columnlayout.h"
#include "catalogue/data1.h"
#include "catalogue/recordtablemodel.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/wincolour.h"
#include "player/playercomponent.h"
#include "search/searchtext.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <algorithm>
#include <numeric>
#include <vector>

namespace klangtruhe {

namespace {

constexpr quint32 kNormal = 0xF4EAE3;
constexpr quint32 kHit = 0xC0FFC0;
constexpr quint32 kMiss = 0xC0C0FF;

// The detail fields whose text makes a row a hit: band, purchase date, title,
// price, medium, label, order number, info, style, music folder, eBook list.
const char *const kHitFields[] = {"TextBand",         "TextKaufdatum", "TextLPTitel", "TextPreis",
                                  "TextMedium",       "TextPlattenfirma", "TextBestellNr", "TextInfo",
                                  "TextStil",         "TextMusikpfad", "txtEbook"};

// The text pages after "Daten", in the order the search visits them.
const char *const kPageBoxes[] = {"rtfLinks", "rtfInfo", "rtfSonstiges"};

// Clears a flag when the scope ends, however it ends.
struct Running {
    bool &flag;
    explicit Running(bool &f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
    Running(const Running &) = delete;
    Running &operator=(const Running &) = delete;
};

} // namespace

QuickSearchComponent::QuickSearchComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue,
                                           PlayerComponent &player)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_catalogue(catalogue)
    , m_player(player)
{
    setObjectName(QStringLiteral("QuickSearchComponent"));
    QWidget *area = window.centralWidget() ? window.centralWidget() : &window;
    m_box = new QLineEdit(area);
    m_box->setObjectName(QStringLiteral("txtSuchen"));
    m_box->setToolTip(QStringLiteral(" Schnellsuche "));
    QAction *button = m_box->addAction(klangtruheIcon(QStringLiteral("suchen")), QLineEdit::TrailingPosition);
    button->setObjectName(QStringLiteral("txtSuchenButton"));
    button->setToolTip(QStringLiteral("Suchen"));
    connect(button, &QAction::triggered, this, &QuickSearchComponent::searchButtonClicked);
    connect(m_box, &QLineEdit::returnPressed, this, &QuickSearchComponent::searchButtonClicked);
    connect(m_box, &QLineEdit::textChanged, this, [this] { setSearchBoxColour(kNormal); });
    m_box->installEventFilter(this);
    setSearchBoxColour(kNormal);
    m_box->show();
}

bool QuickSearchComponent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box) {
        if (event->type() == QEvent::FocusIn)
            m_program.lastFocusedControl = QStringLiteral("txtSuchen");
        else if (event->type() == QEvent::FocusOut)
            setSearchBoxColour(kNormal);
    }
    return QObject::eventFilter(watched, event);
}

void QuickSearchComponent::setSearchBoxColour(quint32 colour)
{
    m_colour = colour;
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Base, winColour(colour));
    m_box->setPalette(palette);
}

void QuickSearchComponent::searchButtonClicked()
{
    Suchen();
    const bool green = m_colour == kHit;
    m_box->setFocus();
    doEvents();
    // Marking the find moved the focus through the text boxes; leaving the box reset its colour.
    if (green)
        setSearchBoxColour(kHit);
}

void QuickSearchComponent::suchenText(const QString &text)
{
    m_box->setText(text);
    Suchen();
}

void QuickSearchComponent::SuchenPlaylistTitel(const QString &itemText)
{
    const QString text = playlistTitleSearchText(itemText);
    if (quickSearchKey(text).isEmpty())
        return;
    suchenText(text);
}

void QuickSearchComponent::Suchen()
{
    if (m_searching)
        return; // a second Enter while the events of the first step run
    Running running(m_searching);
    BusyPointer busy;
    if (auto *pages = m_window.findChild<QTabWidget *>(QStringLiteral("tabTexte")))
        pages->setCurrentIndex(0);
    doEvents();
    setSearchBoxColour(kNormal);

    const QString key = quickSearchKey(m_box->text());
    if (key.isEmpty())
        return;
    const int first = quickSearchStartRow(m_quick, key);

    // One pass over the whole result finds the rows whose cells hold the key;
    // the walk then only stops at those.
    Data1 &data = m_catalogue.data();
    std::vector<int> columns(static_cast<size_t>(data.fieldNames().size()));
    std::iota(columns.begin(), columns.end(), 0);
    std::vector<char> cellsMatch(static_cast<size_t>(std::max(0, data.recordCount())), 0);
    if (!columns.empty() && !cellsMatch.empty()) {
        data.scanColumns(columns, [&](int position, const QByteArray *texts) {
            if (position < 0 || position >= static_cast<int>(cellsMatch.size()))
                return true;
            for (size_t c = 0; c < columns.size(); ++c) {
                if (!texts[c].isEmpty() && containsLowered(QString::fromUtf8(texts[c]), key)) {
                    cellsMatch[static_cast<size_t>(position)] = 1;
                    break;
                }
            }
            return true;
        });
    }

    const int last = std::min(m_catalogue.model().rowCount(), static_cast<int>(cellsMatch.size()));
    const int hit = quickSearchScan(
        first, last, [&cellsMatch](int row) { return cellsMatch[static_cast<size_t>(row - 1)] != 0; },
        [this, &key](int row) { return showAndMark(row, key); });

    if (hit > 0) {
        quickSearchHit(m_quick, hit, key);
        setSearchBoxColour(kHit);
        return;
    }
    const QString sound = m_program.programFolder + QStringLiteral("false.wav");
    if (QFile::exists(sound))
        m_program.platform().playSoundAsync(sound);
    setSearchBoxColour(kMiss);
    m_box->selectAll();
    quickSearchMiss(m_quick);
}

bool QuickSearchComponent::showAndMark(int row, const QString &key)
{
    QTableView *grid = m_catalogue.grid();
    RecordTableModel &model = m_catalogue.model();
    Data1 &data = m_catalogue.data();
    const int position = row - 1; // row 0 is the header
    if (mayBecomeTopRow(row, model.rowCount() + 1))
        grid->verticalScrollBar()->setValue(position); // the grid scrolls by whole rows
    if (data.absolutePosition() != position && hooks.setCoverKlick)
        hooks.setCoverKlick();
    const int column = std::max(0, grid->currentIndex().column());
    grid->selectionModel()->setCurrentIndex(model.index(position, column),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (data.absolutePosition() != position)
        data.setAbsolutePosition(position);

    bool hit = false;
    for (const char *name : kHitFields) {
        const auto *field = m_window.findChild<QLineEdit *>(QString::fromLatin1(name));
        if (field && containsLowered(field->text(), key))
            hit = true;
    }
    markTracks(key);
    if (selectInBox(songList(), key))
        hit = true;

    auto *pages = m_window.findChild<QTabWidget *>(QStringLiteral("tabTexte"));
    for (const char *name : kPageBoxes) {
        auto *box = m_window.findChild<QTextEdit *>(QString::fromLatin1(name));
        if (!selectInBox(box, key))
            continue;
        hit = true;
        // The last page that holds the key stays shown.
        for (int page = 0; pages && page < pages->count(); ++page) {
            if (pages->widget(page)->isAncestorOf(box))
                pages->setCurrentIndex(page);
        }
    }
    return hit;
}

void QuickSearchComponent::markTracks(const QString &key)
{
    QListWidget *list = m_player.filTrack();
    if (!list)
        return;
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        if (!containsLowered(item->text(), key))
            continue;
        item->setSelected(true);
        m_program.AktuellerTrack = i;
        // The current item follows, so that focusing the list keeps this track.
        list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
        list->scrollToItem(item, QAbstractItemView::PositionAtTop);
    }
}

bool QuickSearchComponent::selectInBox(QTextEdit *box, const QString &key)
{
    if (!box)
        return false;
    box->setFocus(); // a box on a hidden page cannot take it; the search goes on
    const int index = findLowered(box->toPlainText(), key);
    if (index < 0)
        return false;
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(index);
    cursor.setPosition(index + static_cast<int>(key.size()), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    return true;
}

QTextEdit *QuickSearchComponent::songList() const
{
    return m_window.findChild<QTextEdit *>(QStringLiteral("TextSongs"));
}

} // namespace klangtruhe
