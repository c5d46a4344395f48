#include "media/covercomponent.h"

#include "app/mainlayout.h"
#include "app/program.h"
#include "app/settingkeys.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/pathparts.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "media/coverplaces.h"
#include "media/coverrules.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QToolButton>

namespace klangtruhe {

CoverComponent::CoverComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_catalogue(catalogue)
{
    QWidget *area = window.centralWidget();
    createStrip(area);
    createCoverArea(area);

    m_fromDatabaseFolder = window.findChild<QAction *>(QStringLiteral("mnuBildDatenbankpfad"));
    if (m_fromDatabaseFolder) {
        m_fromDatabaseFolder->setEnabled(true);
        m_fromDatabaseFolder->setCheckable(true);
        m_fromDatabaseFolder->setChecked(program.settings.read(keys::BildLadePfad) == QLatin1String("True"));
        connect(m_fromDatabaseFolder, &QAction::triggered, this, &CoverComponent::mnuBildDatenbankpfad_Click);
    }
    readSettings();
    // "HäkchenBildpfad" is stored when the main window closes.
    window.installEventFilter(this);
}

void CoverComponent::createStrip(QWidget *area)
{
    m_filCover = new QListWidget(area);
    m_filCover->setObjectName(QStringLiteral("filCover"));
    m_filCover->hide();
    m_lstCover = new QListWidget(area);
    m_lstCover->setObjectName(QStringLiteral("lstCover"));
    m_lstCover->hide();

    for (int i = 0; i < kCoverStripSlots; ++i) {
        auto *slot = new QLabel(area);
        slot->setObjectName(QStringLiteral("imgCover_%1").arg(i));
        slot->setScaledContents(true);
        slot->setGeometry(twipsRect(places::kStripLeft, places::kStripTop + i * places::kStripPitch,
                                    places::kSlotSize, places::kSlotSize));
        slot->installEventFilter(this);
        m_slots[static_cast<size_t>(i)] = slot;
    }

    auto button = [area, this](const char *name, const char *tip, Qt::ArrowType arrow, void (CoverComponent::*step)()) {
        auto *b = new QToolButton(area);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(tip));
        b->setArrowType(arrow);
        connect(b, &QToolButton::clicked, this, step);
        return b;
    };
    m_up = button("cmdCoverUp", " Cover up ", Qt::UpArrow, &CoverComponent::CoverUp);
    m_down = button("cmdCoverDown", " Cover down ", Qt::DownArrow, &CoverComponent::CoverDown);
    placePagingButtons();
}

void CoverComponent::createCoverArea(QWidget *area)
{
    const auto &cover = layout::kCover;
    const QString enlarge = QStringLiteral(" vergrößern ");

    // Bild1 belongs to the detail view, which binds it to the stored picture.
    m_bild1 = area->findChild<QLabel *>(QStringLiteral("Bild1"));
    if (m_bild1) {
        // Stretched like imgBildpfad, so it follows the player's shorter cover height.
        m_bild1->setScaledContents(true);
        m_bild1->setToolTip(enlarge);
        m_bild1->installEventFilter(this);
    }

    m_imgBildpfad = new QLabel(area);
    m_imgBildpfad->setObjectName(QStringLiteral("imgBildpfad"));
    m_imgBildpfad->setScaledContents(true);
    m_imgBildpfad->setToolTip(enlarge);
    m_imgBildpfad->setGeometry(twipsRect(cover.left, cover.top, cover.width, cover.height));
    m_imgBildpfad->installEventFilter(this);

    m_chkBildpfad = new QCheckBox(QStringLiteral("kein externes Cover"), area);
    m_chkBildpfad->setObjectName(QStringLiteral("chkBildpfad"));
    connect(m_chkBildpfad, &QCheckBox::clicked, this, &CoverComponent::chkBildpfad_Click);

    m_cboBildpfad = new QComboBox(area);
    m_cboBildpfad->setObjectName(QStringLiteral("cboBildpfad"));
    m_cboBildpfad->setEditable(true);
    m_cboBildpfad->setInsertPolicy(QComboBox::NoInsert);
    // Long paths must not widen the detail page's columns.
    m_cboBildpfad->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboBildpfad->setMinimumContentsLength(3);
    m_cboBildpfad->installEventFilter(this);
    connect(m_cboBildpfad, &QComboBox::activated, this, &CoverComponent::cboBildpfad_Choose);

    placeCoverChoice(area);

    m_picCoverGreat = new QLabel(area);
    m_picCoverGreat->setObjectName(QStringLiteral("picCoverGreat"));
    m_picCoverGreat->setScaledContents(true);
    m_picCoverGreat->setFrameShape(QFrame::Box);
    m_picCoverGreat->setStyleSheet(QStringLiteral("background: black"));
    m_picCoverGreat->installEventFilter(this);
    m_picCoverGreat->hide();

    setCoverAreaTicked(false);
}

void CoverComponent::placeCoverChoice(QWidget *area)
{
    // The choice of the external cover sits on the detail page beside the stars.
    QWidget *page = area->findChild<QWidget *>(QStringLiteral("pageDaten"));
    auto *grid = page ? qobject_cast<QGridLayout *>(page->layout()) : nullptr;
    if (!grid) {
        const auto &cover = layout::kCover;
        m_chkBildpfad->setGeometry(twipsRect(cover.left, cover.top + cover.height, cover.width / 2, 300));
        m_cboBildpfad->setGeometry(twipsRect(cover.left + cover.width / 2, cover.top + cover.height,
                                             cover.width / 2, 300));
        return;
    }
    // Right of the entry's stars: the detail page keeps that place free.
    grid->addWidget(m_chkBildpfad, 6, 2);
    grid->addWidget(m_cboBildpfad, 6, 3);
}

void CoverComponent::placePagingButtons()
{
    const QWidget *area = m_window.centralWidget();
    if (!area)
        return;
    const double top = pixelsToTwipsY(area->height()) - places::kPagingHeight;
    const double half = places::kSlotSize / 2;
    m_up->setGeometry(twipsRect(places::kStripLeft, top, half, places::kPagingHeight));
    m_down->setGeometry(twipsRect(places::kStripLeft + half, top, half, places::kPagingHeight));
    // Above the slots that reach down to the window's foot.
    m_up->raise();
    m_down->raise();
}

void CoverComponent::readSettings()
{
    double value = 0;
    const QString stored = m_program.settings.read(keys::HaekchenBildpfad);
    if (stored.isEmpty() || !parseStoredNumber(stored, value))
        return; // the box keeps its design state
    const long long whole = roundHalfEven(value);
    if (whole != 0 && whole != 1)
        return;
    m_chkBildpfad->setChecked(whole == 1);
    // Only the look of the area follows here; the next entry change fills it.
    setCoverAreaTicked(whole == 1);
}

void CoverComponent::storeSettings()
{
    m_program.settings.write(keys::HaekchenBildpfad, m_chkBildpfad->isChecked() ? QStringLiteral("1")
                                                                                 : QStringLiteral("0"));
}

bool CoverComponent::fromDatabaseFolder() const
{
    return m_fromDatabaseFolder && m_fromDatabaseFolder->isChecked();
}

QString CoverComponent::currentCoverFolder() const
{
    return coverFolder(m_program.databaseFolder);
}

double CoverComponent::innerHeight() const
{
    const QWidget *area = m_window.centralWidget();
    return area ? pixelsToTwipsY(area->height()) : 0;
}

void CoverComponent::mnuBildDatenbankpfad_Click()
{
    // The action has toggled itself already: its state is the new one.
    if (fromDatabaseFolder()) {
        m_program.settings.write(keys::BildLadePfad, QStringLiteral("True"));
        const QString path = m_program.settings.read(keys::ArchivPfad,
                                                     m_program.programFolder + QStringLiteral("Archiv_leer.mdb"));
        m_program.databaseFolder = FolderPart(path);
    } else {
        m_program.settings.write(keys::BildLadePfad, QStringLiteral("False"));
    }
}

bool CoverComponent::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_window) {
        if (type == QEvent::Close)
            storeSettings();
        return false;
    }
    if (watched == m_cboBildpfad) {
        if (type == QEvent::FocusIn)
            m_program.lastFocusedControl = QStringLiteral("cboBildpfad");
        return false;
    }
    const bool leftPress = type == QEvent::MouseButtonPress
                           && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (watched == m_bild1 || watched == m_imgBildpfad) {
        if (leftPress)
            showEnlarged(static_cast<QLabel *>(watched));
        return false;
    }
    if (watched == m_picCoverGreat) {
        if (leftPress)
            hideEnlarged();
        return false;
    }
    for (int i = 0; i < kCoverStripSlots; ++i) {
        if (watched != m_slots[static_cast<size_t>(i)])
            continue;
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton
            && m_slots[static_cast<size_t>(i)]->rect().contains(mouse->position().toPoint()))
            imgCover_Click(i);
        else if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton)
            imgCover_DblClick(i);
        return false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace klangtruhe
