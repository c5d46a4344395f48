#include "app/programfolder.h"

#include "catalogue/catalogueschema.h"
#include "catalogue/democatalogue.h"
#include "catalogue/pathparts.h"
#include "common/ansitext.h"
#include "common/soundsynth.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcProgramFolder, "klangtruhe.app.programfolder")

namespace klangtruhe {

namespace {

void writeIfMissing(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo::exists(path))
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        if (!file.commit())
            qCWarning(lcProgramFolder) << "cannot write" << path;
    }
}

// Copies the installed data files that are missing, keeping every existing one.
void copyMissingDataFiles(const QString &from, const QString &to)
{
    if (from.isEmpty())
        return;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        const QString target = to + relative;
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
}

QByteArray ansiLine(const QString &text)
{
    QByteArray bytes;
    encodeAnsi(text, bytes);
    return bytes + QByteArray("\r\n");
}

} // namespace

QString resolveProgramFolder()
{
    QString folder = qEnvironmentVariable("KLANGTRUHE_PROGRAM_FOLDER");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/Klangtruhe");
    return withTrailingSeparator(QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath())));
}

QString installedDataFolder()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {appDir + QStringLiteral("/data"),
                                    appDir + QStringLiteral("/../share/klangtruhe"),
                                    QStringLiteral(KLANGTRUHE_SOURCE_DATA_DIR)};
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate + QStringLiteral("/TipOfDay.ini")).isFile())
            return QDir::cleanPath(candidate) + QLatin1Char('/');
    }
    return QString();
}

void seedProgramFolder(const QString &programFolder)
{
    // A folder made beforehand but still empty (by an installer, by hand) is a
    // new installation too and gets the demo collection.
    const bool isNew = !QFileInfo(programFolder).isDir()
                       || QDir(programFolder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (!QDir().mkpath(programFolder)) {
        qCWarning(lcProgramFolder) << "cannot create the program folder" << programFolder;
        return;
    }
    copyMissingDataFiles(installedDataFolder(), programFolder);

    const QString templatePath = programFolder + QStringLiteral("Archiv_leer.mdb");
    if (!QFileInfo::exists(templatePath))
        createEmptyCatalogue(templatePath);
    for (const ProgramSound sound : allProgramSounds())
        writeIfMissing(programFolder + programSoundFileName(sound), programSound(sound));

    if (isNew) {
        // A new installation brings its empty playlist folder along.
        QDir().mkpath(programFolder + QStringLiteral("Playlist"));
        const QString demo = createDemoCatalogue(programFolder);
        if (!demo.isEmpty())
            writeIfMissing(programFolder + QStringLiteral("PfadErststart.txt"),
                           ansiLine(demo));
    }
}

} // namespace klangtruhe
