#include "catalogue/jetimportflow.h"

#include "app/program.h"
#include "catalogue/frmpfadzuordnung.h"
#include "catalogue/jetreader.h"
#include "catalogue/pathparts.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/positionform.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

namespace klangtruhe {
namespace {

const QString kTitle = QStringLiteral("Access-Datenbank umwandeln");
constexpr quint32 kWarning = 0xC0E0FF;
constexpr quint32 kInformation = 0xF4EAE3;
constexpr quint32 kFailure = 0xC0C0FF;
constexpr quint32 kFore = 0x352300;

QString messageLines(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// A name for the new catalogue that no file has: the default one, or what
// the user picks in the save dialog; "" when the dialog is cancelled.
QString freeTargetPath(Program &program, QWidget *window, const QString &source)
{
    QString target = importTargetPath(source);
    while (QFileInfo::exists(target)) {
        QFileDialog dialog(window, QStringLiteral(" Neue Datenbank speichern unter"), FolderPart(target));
        dialog.setObjectName(QStringLiteral("dlgDatenbankSpeichern"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // An existing file is never overwritten; the question below names it instead.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QStringLiteral("Datenbank (*.mdb)")});
        dialog.setDefaultSuffix(QStringLiteral("mdb"));
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Speichern"));
        dialog.selectFile(QFileInfo(target).fileName());
        if (!FolderPart(target).isEmpty())
            dialog.setDirectory(QFileInfo(target).absolutePath());
        MsgLumo(program, window,
                QStringLiteral("Die Datei\r\n%1\r\nbesteht bereits und wird nicht überschrieben.\r\n\r\n"
                               "Bitte einen neuen Namen für die umgewandelte Datenbank wählen.")
                    .arg(QDir::toNativeSeparators(target)),
                3, 0, kTitle, 1, kWarning, kFore);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        target = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    }
    return target;
}

} // namespace

std::optional<JetConversion> offerJetConversion(Program &program, QWidget *window, const QString &source)
{
    const QString name = QFileInfo(source).fileName();
    QString error;
    // A file that cannot be converted is said so at once, without a question first.
    if (!openJetTable(source, QStringLiteral("Schallplatten"), error)) {
        MsgLumo(program, window, error, 4, 0, kTitle, 1, kFailure, kFore);
        return std::nullopt;
    }
    const QString question =
        QStringLiteral("'%1' ist eine Access-Datenbank des Windows-Programms.\r\n\r\n"
                       "Soll sie in eine Klangtruhe-Datenbank umgewandelt werden? "
                       "Die Access-Datei selbst bleibt unverändert.")
            .arg(name);
    program.answerText = MsgLumo(program, window, question, 22, 1, kTitle, 1, kWarning, kFore);
    if (program.answerText != QLatin1String("Ja"))
        return std::nullopt;

    JetConversion conversion;
    conversion.target = freeTargetPath(program, window, source);
    if (conversion.target.isEmpty())
        return std::nullopt;

    QProgressDialog progress(QStringLiteral("Die Einträge werden eingelesen..."), QStringLiteral("&Abbrechen"), 0, 0,
                             window);
    progress.setObjectName(QStringLiteral("frmImportFortschritt"));
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::ApplicationModal);
    // A small catalogue is done before the window would be worth showing.
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const ImportProgress step = [&progress](qint64 done, qint64 total) {
        // Every row would make the window the slow part of the import.
        if (done % 20 == 0 || done == total) {
            progress.setMaximum(int(std::max(done, total)));
            progress.setValue(int(done));
            progress.setLabelText(QStringLiteral("Eintrag %1 von %2").arg(done).arg(total));
            doEvents();
        }
        return !progress.wasCanceled();
    };
    const bool ok = importJetCatalogue(source, conversion.target, conversion.report, error, step);
    const bool cancelled = progress.wasCanceled();
    progress.close();
    if (ok)
        return conversion;
    if (!cancelled)
        MsgLumo(program, window, error, 4, 0, kTitle, 1, kFailure, kFore);
    return std::nullopt;
}

void showJetConversionReport(Program &program, QWidget *window, const JetConversion &conversion)
{
    MsgLumo(program, window,
            messageLines(conversion.report.text()) + QStringLiteral("\r\n\r\nNeue Datenbank: ")
                + QDir::toNativeSeparators(conversion.target),
            1, 0, QStringLiteral("Access-Datenbank umgewandelt"), 1, kInformation, kFore);
    const QStringList drives = unmappedDriveRoots(program.pathMap, conversion.report.driveRoots);
    if (drives.isEmpty())
        return;
    const QString question =
        QStringLiteral("Die Einträge nennen ihre Musikordner auf den Windows-Laufwerken %1.\r\n\r\n"
                       "Sollen diese Pfade jetzt Ordnern auf diesem Rechner zugeordnet werden? "
                       "(Später unter 'Optionen/Pfadzuordnung...')")
            .arg(drives.join(QStringLiteral(", ")));
    program.answerText = MsgLumo(program, window, question, 22, 1, QStringLiteral("Pfadzuordnung"), 1, kWarning, kFore);
    if (program.answerText != QLatin1String("Ja"))
        return;
    frmPfadzuordnung dialog(program, drives, window);
    PositionForm(&dialog, window, QStringLiteral("center"), 10);
    dialog.exec();
}

} // namespace klangtruhe
