#include "catalogue/backupcomponent.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "catalogue/backups.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "common/busypointer.h"
#include "common/msglumo.h"
#include "common/positionform.h"
#include "common/wincolour.h"

#include <QAction>
#include <algorithm>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace klangtruhe {

namespace {

const QString kTitle = QStringLiteral("Sicherung wiederherstellen");

QString madeText(const QDateTime &made)
{
    return made.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

// The list of backups; returns the chosen one's path or "".
QString chooseBackup(QWidget *parent, const QList<BackupFile> &backups)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmSicherungen"));
    dialog.setWindowTitle(kTitle);
    auto *list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("lvwSicherungen"));
    list->setHeaderLabels({QStringLiteral("Gesichert am"), QStringLiteral("Einträge"), QStringLiteral("Datei")});
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    for (const BackupFile &backup : backups) {
        auto *item = new QTreeWidgetItem(list, {madeText(backup.made),
                                                backup.entries < 0 ? QStringLiteral("nicht lesbar") : QLocale(QLocale::German).toString(backup.entries),
                                                QDir::toNativeSeparators(backup.path)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, backup.path);
    }
    list->setCurrentItem(list->topLevelItem(0));
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *restore = buttons->addButton(QStringLiteral("&Wiederherstellen"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("cmdWiederherstellen"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdAbbrechen"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(640, 320);
    if (dialog.exec() != QDialog::Accepted || !list->currentItem())
        return QString();
    return list->currentItem()->data(0, Qt::UserRole).toString();
}

} // namespace

BackupComponent::BackupComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_catalogue(catalogue)
{
    m_catalogue.data().beforeChange = [this](sqlite3 *db) { backupBeforeChange(db); };
    if (auto *action = window.findChild<QAction *>(QStringLiteral("mnuSicherungWiederherstellen"))) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, &BackupComponent::mnuSicherungWiederherstellen_Click);
    }
}

void BackupComponent::backupBeforeChange(sqlite3 *db)
{
    const QString path = m_catalogue.data().databaseName();
    if (path.isEmpty() || m_lookedAt.contains(path))
        return;
    m_lookedAt.insert(path);
    const QDateTime now = clock();
    QList<BackupFile> existing = listBackups(path);
    if (!backupDue(existing, now.date()))
        return;
    BusyPointer busy;
    QString error;
    if (!writeBackup(db, backupPathFor(path, now), &error)) {
        // The edit itself goes on; only the copy is missing, and the user hears of it.
        busy.release();
        MsgLumo(m_program, &m_window, QStringLiteral("Die tägliche Sicherung der Datenbank ist fehlgeschlagen.\r\n\r\n") + error,
                3, 0, QStringLiteral("Sicherung"), 1, colours::DialogBack, colours::DialogText);
        return;
    }
    bool ok = false;
    const int keep = m_program.settings.read(keys::SicherungenAnzahl).toInt(&ok);
    for (const QString &old : backupsBeyond(listBackups(path), ok && keep > 0 ? keep : 10))
        QFile::remove(old);
}

void BackupComponent::mnuSicherungWiederherstellen_Click()
{
    const QString path = m_catalogue.data().databaseName();
    const QList<BackupFile> backups = path.isEmpty() ? QList<BackupFile>() : listBackups(path);
    if (backups.isEmpty()) {
        MsgLumo(m_program, &m_window,
                path.isEmpty() ? QStringLiteral("Es ist keine Datenbank geöffnet.")
                               : QStringLiteral("Für diese Datenbank gibt es noch keine Sicherung.\r\n\r\n"
                                                "Sicherungen entstehen vor der ersten Änderung eines Tages im Ordner:\r\n")
                                     + QDir::toNativeSeparators(backupFolderOf(path)),
                1, 0, kTitle, 1, colours::DialogBack, colours::DialogText);
        return;
    }
    const QString chosen = chooseBackup(&m_window, backups);
    if (chosen.isEmpty())
        return;
    const auto backup = std::find_if(backups.begin(), backups.end(), [&](const BackupFile &b) { return b.path == chosen; });
    const QString answer = MsgLumo(
        m_program, &m_window,
        QStringLiteral("Soll die Datenbank durch die Sicherung vom %1 (%2 Einträge) ersetzt werden?\r\n\r\n"
                       "Der jetzige Stand wird vorher als weitere Sicherung abgelegt.")
            .arg(madeText(backup->made))
            .arg(backup->entries),
        22, 2, kTitle, 1, colours::DialogBack, colours::DialogText);
    if (answer != QLatin1String("Ja"))
        return;
    if (!restore(chosen))
        return;
    m_catalogue.OpenDatabase(path);
}

bool BackupComponent::restore(const QString &backupPath)
{
    const QString path = m_catalogue.data().databaseName();
    BusyPointer busy;
    // Edits not yet stored go into the state that is kept.
    DatabaseError stored;
    m_catalogue.data().storePendingEdits(stored);
    QString error;
    const bool kept = writeBackupOfFile(path, backupPathFor(path, clock()), &error);
    if (kept) {
        m_catalogue.data().setDatabaseName(QString());
        DatabaseError closed;
        m_catalogue.data().refresh(closed);
    }
    if (!kept || !replaceWithBackup(backupPath, path, &error)) {
        busy.release();
        MsgLumo(m_program, &m_window, QStringLiteral("Die Sicherung wurde nicht wiederhergestellt.\r\n\r\n") + error, 3, 0, kTitle,
                1, colours::DialogBack, colours::DialogText);
        if (kept)
            m_catalogue.OpenDatabase(path);
        return false;
    }
    m_lookedAt.insert(path); // the restored state is backed up already
    return true;
}

} // namespace klangtruhe
