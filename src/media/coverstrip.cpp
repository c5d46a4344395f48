// The cover strip of CoverComponent: the list of covers, paging and the slots' mouse actions.
#include "media/covercomponent.h"

#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/columnlayout.h"
#include "catalogue/data1.h"
#include "catalogue/recordtablemodel.h"
#include "common/busypointer.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "media/coverplaces.h"
#include "media/coverrules.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>

namespace klangtruhe {

namespace {

// Band and title of every row of the table, by position. One pass over the
// two columns: loading whole rows one by one would take seconds at 100,000.
std::vector<std::pair<QString, QString>> tableNames(Data1 &data)
{
    std::vector<std::pair<QString, QString>> rows;
    const int band = data.fieldIndex(QStringLiteral("Band"));
    const int title = data.fieldIndex(QStringLiteral("LPTitel"));
    if (band < 0 || title < 0 || data.recordCount() <= 0)
        return rows;
    rows.resize(static_cast<size_t>(data.recordCount()));
    data.scanColumns({band, title}, [&rows](int position, const QByteArray *texts) {
        if (position >= 0 && static_cast<size_t>(position) < rows.size())
            rows[static_cast<size_t>(position)] = {QString::fromUtf8(texts[0]), QString::fromUtf8(texts[1])};
        return true;
    });
    return rows;
}

} // namespace

void CoverComponent::CoverListeAktuell()
{
    QStringList files;
    files.reserve(m_filCover->count());
    for (int i = 0; i < m_filCover->count(); ++i)
        files << m_filCover->item(i)->text();
    // Without cover files there is nothing to match: the table is not read.
    m_covers = files.isEmpty() ? QStringList() : coverListFor(files, tableNames(m_catalogue.data()));
    m_lstCover->clear();
    m_lstCover->addItems(m_covers);
}

void CoverComponent::readCoverFolder()
{
    m_filCover->clear();
    m_filCover->addItems(coverFolderFiles(currentCoverFolder()));
    m_thumbnails.clear(); // the files may have changed since they were read
    CoverListeAktuell();
}

void CoverComponent::CoverAktualisieren()
{
    readCoverFolder();
    m_coverSlots = coverSlotsFor(innerHeight(), static_cast<int>(m_covers.size()));
    m_coverStart = m_coverStart - m_coverSlots - 1;
    CoverDown();
}

void CoverComponent::setCoverSlots(int lastSlot)
{
    m_coverSlots = std::min(lastSlot, kCoverStripSlots - 1);
    m_coverStart = m_coverStart - m_coverSlots - 1;
    CoverDown();
    placePagingButtons();
}

void CoverComponent::clearSlots()
{
    for (QLabel *slot : m_slots) {
        slot->clear();
        slot->setFrameShape(QFrame::NoFrame);
    }
}

void CoverComponent::drawSlots()
{
    for (int i = 0; i <= m_coverSlots && i < kCoverStripSlots; ++i) {
        const int index = m_coverStart + i;
        if (index < 0 || index >= m_covers.size())
            continue;
        const QPixmap picture = slotPicture(m_covers.at(index));
        if (picture.isNull())
            continue; // a file that does not load leaves its slot empty
        QLabel *slot = m_slots[static_cast<size_t>(i)];
        slot->setPixmap(picture);
        slot->setFrameShape(QFrame::Box);
    }
}

QPixmap CoverComponent::slotPicture(const QString &file)
{
    const auto cached = m_thumbnails.constFind(file);
    if (cached != m_thumbnails.constEnd())
        return cached.value();
    const QLabel *slot = m_slots[0];
    const QSize bound = twipsSize(places::kSlotSize, places::kSlotSize) * slot->devicePixelRatioF();
    const QPixmap picture = QPixmap::fromImage(loadPicture(pathInFolder(currentCoverFolder(), file), bound));
    m_thumbnails.insert(file, picture);
    return picture;
}

void CoverComponent::CoverDown()
{
    BusyPointer busy;
    clearSlots();
    m_coverStart = coverStartDown(m_coverStart, m_coverSlots, static_cast<int>(m_covers.size()));
    drawSlots();
}

void CoverComponent::CoverUp()
{
    BusyPointer busy;
    clearSlots();
    m_coverStart = coverStartUp(m_coverStart, m_coverSlots);
    drawSlots();
}

void CoverComponent::followEntryInStrip()
{
    if (m_coverKlick) {
        m_coverKlick = false;
        return;
    }
    Data1 &data = m_catalogue.data();
    const int found = coverIndexForEntry(m_covers, data.fieldValue(QStringLiteral("Band")),
                                         data.fieldValue(QStringLiteral("LPTitel")));
    if (found < 0)
        return;
    m_coverStart = found - m_coverSlots - 1;
    CoverDown();
}

void CoverComponent::imgCover_Click(int slot)
{
    const int index = m_coverStart + slot;
    if (slot < 0 || slot > m_coverSlots || index < 0 || index >= m_covers.size())
        return;
    BusyPointer busy;
    const QString name = withoutExtension(m_covers.at(index));
    RecordTableModel &model = m_catalogue.model();
    const auto rows = tableNames(m_catalogue.data());
    for (size_t r = 0; r < rows.size(); ++r) {
        if (coverName(rows[r].first, rows[r].second) != name)
            continue;
        const int row = static_cast<int>(r);
        m_coverKlick = true;
        QTableView *grid = m_catalogue.grid();
        if (mayBecomeTopRow(row + 1, model.rowCount() + 1))
            grid->verticalScrollBar()->setValue(row); // the grid scrolls by whole rows
        const int column = std::max(0, grid->currentIndex().column());
        grid->selectionModel()->setCurrentIndex(model.index(row, column), QItemSelectionModel::ClearAndSelect
                                                                              | QItemSelectionModel::Rows);
        return;
    }
}

void CoverComponent::imgCover_DblClick(int slot)
{
    const int index = m_coverStart + slot;
    if (slot < 0 || slot > m_coverSlots || index < 0 || index >= m_covers.size())
        return;
    MsgLumo(m_program, &m_window, withoutExtension(m_covers.at(index)), 1, 0, QStringLiteral("Mini-Cover"), 1,
            0xF4EAE3);
}

} // namespace klangtruhe
