#include "catalogue/frmspaltenanordnen.h"

#include "app/program.h"
#include "catalogue/columnlayout.h"
#include "common/gradient.h"
#include "common/msglumo.h"
#include "common/numbers.h"
#include "common/uifont.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace klangtruhe {

namespace {

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Moves the selected item of `from` to the end of `to`; the first remaining item is selected.
void moveSelected(QListWidget *from, QListWidget *to)
{
    const int row = from->currentRow();
    if (row < 0 || from->selectedItems().isEmpty())
        return;
    to->addItem(from->takeItem(row)->text());
    if (from->count() > 0)
        from->setCurrentRow(0);
}

} // namespace

frmSpaltenAnordnen::frmSpaltenAnordnen(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmSpaltenAnordnen"));
    setWindowTitle(QStringLiteral("Tabellenspalten anordnen"));
    setModal(true);
    new GradientBackground(this, 0xDEC9AD, 0xF4EAE3, 1);

    auto *grid = new QGridLayout(this);
    auto *visibleHeading = new QLabel(QStringLiteral("Reihenfolge der sichtbaren Spalten"), this);
    auto *hiddenHeading = new QLabel(QStringLiteral("nicht sichtbare Spalten"), this);
    m_lstTabelle = new QListWidget(this);
    m_lstTabelle->setObjectName(QStringLiteral("lstTabelle"));
    m_lstSpalten = new QListWidget(this);
    m_lstSpalten->setObjectName(QStringLiteral("lstSpalten"));

    double size = 0;
    if (!parseStoredNumber(program.settings.read(keys::ProgSchriftSize, QString::fromLatin1(keys::kDialogFontSize)), size)
        || size <= 0)
        size = 10;
    const QFont listFont = uiFont(program.settings.read(keys::ProgSchriftName), size);
    m_lstTabelle->setFont(listFont);
    m_lstSpalten->setFont(listFont);

    auto button = [this](const char *name, const char *caption) {
        auto *b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *insert = button("cmdEinfügen", "ein&fügen");
    QPushButton *remove = button("cmdEntfernen", "&entfernen");
    m_up = button("cmdHochTief_0", "&hoch");
    m_down = button("cmdHochTief_1", "&runter");
    QPushButton *preset = button("cmdDefault", "&Default");
    QPushButton *standard = button("cmdStandard", "&Standard");
    QPushButton *ok = button("cmdOK", "&OK");
    QPushButton *cancel = button("cmdExit", "&Abbrechen");
    QPushButton *help = button("cmdHilfe", "&Hilfe");

    m_chkNotSort = new QCheckBox(QStringLiteral("Tabellenspalten nicht automatisch anordnen"), this);
    m_chkNotSort->setObjectName(QStringLiteral("chkNotSort"));
    m_chkNotSort->setToolTip(QStringLiteral(" Damit alle SQL-Befehle verwendbar sind "));

    auto *middle = new QVBoxLayout;
    middle->addStretch(1);
    for (QPushButton *b : {insert, remove, m_up, m_down})
        middle->addWidget(b);
    middle->addStretch(1);
    auto *bottom = new QHBoxLayout;
    for (QPushButton *b : {preset, standard})
        bottom->addWidget(b);
    bottom->addStretch(1);
    for (QPushButton *b : {ok, cancel, help})
        bottom->addWidget(b);

    grid->addWidget(visibleHeading, 0, 0);
    grid->addWidget(hiddenHeading, 0, 2);
    grid->addWidget(m_lstTabelle, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(m_lstSpalten, 1, 2);
    grid->addWidget(m_chkNotSort, 2, 0, 1, 3);
    grid->addLayout(bottom, 3, 0, 1, 3);
    resize(520, 440);

    connect(insert, &QPushButton::clicked, this, &frmSpaltenAnordnen::cmdEinfuegen_Click);
    connect(remove, &QPushButton::clicked, this, &frmSpaltenAnordnen::cmdEntfernen_Click);
    connect(m_up, &QPushButton::clicked, this, [this] { cmdHochTief_Click(0); });
    connect(m_down, &QPushButton::clicked, this, [this] { cmdHochTief_Click(1); });
    connect(preset, &QPushButton::clicked, this, [this] { fill(defaultColumnPreset()); });
    connect(standard, &QPushButton::clicked, this, &frmSpaltenAnordnen::cmdStandard_Click);
    connect(ok, &QPushButton::clicked, this, &frmSpaltenAnordnen::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(QStringLiteral("spaltenanordnen.html"));
    });
    connect(m_lstTabelle, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_lstTabelle->selectedItems().isEmpty()) {
            m_up->setEnabled(true);
            m_down->setEnabled(true);
        }
    });
    connect(m_lstSpalten, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_lstSpalten->selectedItems().isEmpty()) {
            m_up->setEnabled(false);
            m_down->setEnabled(false);
        }
    });
    // The grid follows the box at once, also when the dialog is cancelled later.
    connect(m_chkNotSort, &QCheckBox::toggled, this, [this](bool on) { m_program.tableNotSorted = on; });

    fill(listsFromLayoutTexts(readLayoutTexts(program.settings)));
    const bool notSort = leadingNumber(program.settings.read(keys::TableNotSort)) != 0;
    m_chkNotSort->setChecked(notSort);
    m_program.tableNotSorted = notSort;
}

void frmSpaltenAnordnen::fill(const ColumnLists &lists)
{
    m_lstTabelle->clear();
    m_lstSpalten->clear();
    m_lstTabelle->addItems(lists.visible);
    m_lstSpalten->addItems(lists.hidden);
}

ColumnLists frmSpaltenAnordnen::lists() const
{
    return {itemsOf(m_lstTabelle), itemsOf(m_lstSpalten)};
}

void frmSpaltenAnordnen::cmdEinfuegen_Click()
{
    moveSelected(m_lstSpalten, m_lstTabelle);
}

void frmSpaltenAnordnen::cmdEntfernen_Click()
{
    moveSelected(m_lstTabelle, m_lstSpalten);
}

void frmSpaltenAnordnen::cmdHochTief_Click(int index)
{
    const int row = m_lstTabelle->currentRow();
    if (row < 0 || m_lstTabelle->selectedItems().isEmpty())
        return;
    QStringList items = itemsOf(m_lstTabelle);
    const int moved = moveListItem(items, row, index == 0 ? -1 : 1);
    if (moved == row)
        return;
    m_lstTabelle->insertItem(moved, m_lstTabelle->takeItem(row));
    m_lstTabelle->setCurrentRow(moved);
}

void frmSpaltenAnordnen::cmdStandard_Click()
{
    fill(standardColumnPreset());
    MsgLumo(m_program, this, QStringLiteral("Standardeinstellung hergestellt"), 1, 0, QStringLiteral("Hinweis"), 1,
            0xF4EAE3, 0x352300);
    cmdOK_Click();
}

void frmSpaltenAnordnen::cmdOK_Click()
{
    const QStringList texts = layoutTextsFromLists(lists());
    for (int k = 0; k < texts.size(); ++k)
        m_program.settings.write(keys::TabelleAnordnenCaption, k, texts.at(k));
    m_program.settings.write(keys::TableNotSort, m_chkNotSort->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    accept();
}

} // namespace klangtruhe
