#include "lists/exclusiondialog.h"

#include "app/program.h"
#include "common/busypointer.h"
#include "common/gradient.h"
#include "common/msglumo.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "lists/exclusionrules.h"
#include "lists/listfiles.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace klangtruhe {

ExclusionDialog::ExclusionDialog(Program &program, Kind kind, std::function<QStringList()> tableBands,
                                 QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_kind(kind)
    , m_tableBands(std::move(tableBands))
{
    const bool bands = kind == Kind::Bands;
    setObjectName(bands ? QStringLiteral("frmBandAusschlussliste") : QStringLiteral("frmStilausschlussliste"));
    setWindowTitle(bands ? QStringLiteral("Band-Ausschlussliste") : QStringLiteral("Stilausschlussliste"));
    setModal(true);
    setFont(dialogFont());
    new GradientBackground(this, 0xDEC9AD, 0xF4EAE3, 1);

    auto *heading = new QLabel(bands ? QStringLiteral("Band") : QStringLiteral("Stilrichtung"), this);
    heading->setObjectName(QStringLiteral("lblBez"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    m_list = new QListWidget(this);
    m_list->setObjectName(bands ? QStringLiteral("lstBandliste") : QStringLiteral("lstStilrichtung"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    // RegistryLesen of the dialog: the list's font from the program font, size 10 by default.
    double size = 0;
    if (!parseStoredNumber(program.settings.read(keys::ProgSchriftSize, QString::fromLatin1(keys::kDialogFontSize)), size)
        || size <= 0)
        size = 10;
    m_list->setFont(uiFont(program.settings.read(keys::ProgSchriftName), size));

    m_legend = new QCheckBox(bands ? QStringLiteral("= Band wird nicht berücksichtigt")
                                   : QStringLiteral("= Stilrichtung wird nicht berücksichtigt"),
                             this);
    m_legend->setObjectName(QStringLiteral("Check1"));
    m_legend->setChecked(true);
    // The legend only explains the tick; it always shows ticked.
    connect(m_legend, &QCheckBox::clicked, m_legend, [this] { m_legend->setChecked(true); });

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto *exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    connect(ok, &QPushButton::clicked, this, &ExclusionDialog::cmdOK_Click);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_legend);
    layout->addLayout(buttons);
    resize(twipsSize(4800, 6600));

    if (bands)
        ListeErstellen();
    else
        ListeLaden();
}

QString ExclusionDialog::windowName() const
{
    // The band dialog's procedures report under two spellings, as they always did.
    return objectName();
}

void ExclusionDialog::ListeLaden()
{
    const QString styleFile = styleListFile(m_program.databaseFolder, m_program.programFolder);
    FileError error;
    if (const auto styles = readListFile(styleFile, &error)) {
        if (error.number != 0) {
            failureReport(m_program, this, QStringLiteral("frmStilausschlussliste_ListeLaden"), error.number,
                          error.description);
            return;
        }
        BusyPointer busy;
        m_list->clear();
        for (const QString &style : *styles) {
            auto *item = new QListWidgetItem(style, m_list);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    tickFromFile(m_program.settings.read(keys::Ausschlussliste), QStringLiteral("frmStilausschlussliste_ListeLaden"));
}

void ExclusionDialog::ListeErstellen()
{
    const QStringList column = m_tableBands ? m_tableBands() : QStringList();
    const QString header = column.isEmpty() ? QString() : column.first();
    for (const QString &band : bandsOfTable(header, column.mid(1))) {
        auto *item = new QListWidgetItem(band, m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    tickFromFile(m_program.settings.read(keys::BandAusschlussliste),
                 QStringLiteral("frmBandausschlussliste_ListeErstellen"));
}

void ExclusionDialog::tickFromFile(const QString &modeKeyValue, const QString &procedure)
{
    const QString fileName = exclusionFileName(m_kind == Kind::Bands, exclusionMode(modeKeyValue));
    if (fileName.isEmpty())
        return;
    FileError error;
    const auto lines = readListFile(m_program.programFolder + fileName, &error);
    if (!lines)
        return;
    if (error.number != 0) {
        failureReport(m_program, this, procedure, error.number, error.description);
        return;
    }
    BusyPointer busy;
    QStringList items;
    for (int i = 0; i < m_list->count(); ++i)
        items << m_list->item(i)->text();
    const QList<bool> ticks = tickedBy(items, *lines);
    for (int i = 0; i < m_list->count(); ++i) {
        if (ticks.at(i))
            m_list->item(i)->setCheckState(Qt::Checked);
    }
}

void ExclusionDialog::cmdOK_Click()
{
    const bool bands = m_kind == Kind::Bands;
    const QString mode = m_program.settings.read(bands ? keys::BandAusschlussliste : keys::Ausschlussliste);
    const QString fileName = exclusionFileName(bands, exclusionMode(mode));
    if (!fileName.isEmpty()) {
        QStringList ticked;
        for (int i = 0; i < m_list->count(); ++i) {
            if (m_list->item(i)->checkState() == Qt::Checked)
                ticked << m_list->item(i)->text();
        }
        FileError error;
        if (!writeListFile(m_program.programFolder + fileName, ticked, &error)) {
            failureReport(m_program, this,
                          bands ? QStringLiteral("frmBandAusschlussliste_cmdOK_Click")
                                : QStringLiteral("frmStilausschlussliste_cmdOK_Click"),
                          error.number, error.description);
            return;
        }
    }
    accept();
}

} // namespace klangtruhe
