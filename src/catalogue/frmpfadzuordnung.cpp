#include "catalogue/frmpfadzuordnung.h"

#include "app/program.h"
#include "common/gradient.h"
#include "common/twips.h"
#include "common/uifont.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace klangtruhe {

frmPfadzuordnung::frmPfadzuordnung(Program &program, const QStringList &newPrefixes, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmPfadzuordnung"));
    setWindowTitle(QStringLiteral("Pfadzuordnung"));
    setModal(true);
    setFont(dialogFont());
    new GradientBackground(this, 0xDEC9AD, 0xF4EAE3, 1);

    auto *hint = new QLabel(QStringLiteral("Pfade, wie die Datenbank und die Listen sie nennen (z. B. \"D:\\Musik\\\"), "
                                           "und der Ordner, in dem diese Dateien auf diesem Rechner liegen. "
                                           "Die gespeicherten Pfade bleiben unverändert."),
                            this);
    hint->setObjectName(QStringLiteral("lblHinweis"));
    hint->setWordWrap(true);

    m_pairs = new QTableWidget(0, 2, this);
    m_pairs->setObjectName(QStringLiteral("lstPfade"));
    m_pairs->setHorizontalHeaderLabels({QStringLiteral("Gespeicherter Pfad"), QStringLiteral("Ordner auf diesem Rechner")});
    m_pairs->horizontalHeader()->setStretchLastSection(true);
    m_pairs->horizontalHeader()->setDefaultSectionSize(twipsToPixelsX(2400));
    m_pairs->verticalHeader()->setVisible(false);
    m_pairs->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (const auto &pair : program.pathMap)
        addRow(pair.first, pair.second);
    for (const QString &prefix : newPrefixes)
        addRow(prefix, QString());

    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton *add = button("cmdNeu", QStringLiteral("&Neue Zeile"));
    QPushButton *folder = button("cmdOrdner", QStringLiteral("Ordner &wählen..."));
    QPushButton *remove = button("cmdEntfernen", QStringLiteral("&Entfernen"));
    QPushButton *ok = button("cmdOK", QStringLiteral("&OK"));
    QPushButton *exit = button("cmdExit", QStringLiteral("E&xit"));
    connect(add, &QPushButton::clicked, this, [this] {
        addRow(QString(), QString());
        m_pairs->setCurrentCell(m_pairs->rowCount() - 1, 0);
    });
    connect(folder, &QPushButton::clicked, this, &frmPfadzuordnung::cmdOrdner_Click);
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_pairs->currentRow() >= 0)
            m_pairs->removeRow(m_pairs->currentRow());
    });
    connect(ok, &QPushButton::clicked, this, &frmPfadzuordnung::cmdOK_Click);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(folder);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();
    rowButtons->addWidget(ok);
    rowButtons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(hint);
    layout->addWidget(m_pairs, 1);
    layout->addLayout(rowButtons);
    resize(twipsSize(8400, 4800));
}

void frmPfadzuordnung::addRow(const QString &stored, const QString &local)
{
    const int row = m_pairs->rowCount();
    m_pairs->insertRow(row);
    m_pairs->setItem(row, 0, new QTableWidgetItem(stored));
    m_pairs->setItem(row, 1, new QTableWidgetItem(local));
}

void frmPfadzuordnung::cmdOrdner_Click()
{
    const int row = m_pairs->currentRow();
    if (row < 0)
        return;
    QFileDialog dialog(this, QStringLiteral("Ordner auf diesem Rechner"), m_pairs->item(row, 1)->text());
    dialog.setObjectName(QStringLiteral("dlgOrdner"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_pairs->item(row, 1)->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()) + QDir::separator());
}

void frmPfadzuordnung::cmdOK_Click()
{
    PathMap map;
    for (int row = 0; row < m_pairs->rowCount(); ++row) {
        const QString stored = m_pairs->item(row, 0)->text().trimmed();
        const QString local = m_pairs->item(row, 1)->text().trimmed();
        // A row without a folder is no pair yet.
        if (!stored.isEmpty() && !local.isEmpty())
            map.append({stored, local});
    }
    m_program.pathMap = map;
    m_program.settings.write(keys::Pfadzuordnung, formatPathMap(map));
    accept();
}

} // namespace klangtruhe
