#include "common/helpactions.h"

#include "app/program.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/programversion.h"
#include "common/wincolour.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace klangtruhe {

namespace {

QString webPage(const char *path)
{
    return QString::fromLatin1(MakerWebsite) + QString::fromLatin1(path);
}

} // namespace

QString helpPagePath(const QString &programFolder, const QString &topic)
{
    const QString folder = programFolder + QString::fromLatin1(HelpFolderName) + QLatin1Char('/');
    QString page = topic.trimmed();
    QString anchor;
    const int hash = int(page.indexOf(QLatin1Char('#')));
    if (hash >= 0) {
        anchor = page.mid(hash);
        page.truncate(hash);
    }
    if (page.isEmpty())
        page = QStringLiteral("index.html");
    // A topic names a page of the help, never a file elsewhere.
    if (page.contains(QLatin1String("..")) || QDir::isAbsolutePath(page))
        return QString();
    const QString path = QDir::cleanPath(folder + page);
    if (!QFileInfo(path).isFile())
        return QString();
    return QDir::toNativeSeparators(path) + anchor;
}

void ShowHelp(Program &program, const QString &topic)
{
#ifdef Q_OS_WIN
    const QString chm = program.programFolder + QString::fromLatin1(HelpFileName);
    if (QFileInfo(chm).isFile()) {
        const QString target = topic.isEmpty() ? chm : chm + QStringLiteral("::/") + topic;
        program.platform().startProcess(QStringLiteral("hh.exe"), {target});
        return;
    }
#endif
    const QString page = helpPagePath(program.programFolder, topic);
    if (page.isEmpty())
        return;
    const int hash = int(page.indexOf(QLatin1Char('#')));
    if (hash < 0) {
        program.platform().openWithAssociatedProgram(page);
        return;
    }
    QUrl url = QUrl::fromLocalFile(page.left(hash));
    url.setFragment(page.mid(hash + 1));
    program.platform().openWithAssociatedProgram(url.toString());
}

void mnuHilfe(Program &program, QWidget *)
{
    ShowHelp(program, QString());
}

void mnuReadMe(Program &program, QWidget *)
{
    const QString file = program.programFolder + QStringLiteral("readme.txt");
    if (!QFileInfo(file).isFile())
        return;
    const QString viewer = program.platform().findAssociatedProgram(file);
    if (viewer.isEmpty())
        return;
    program.platform().startProcess(viewer, {file});
}

void mnuNutzungslizenz(Program &program, QWidget *)
{
    // The maker's page holds the terms that count; the copy beside the program may be old.
    program.platform().openWithAssociatedProgram(webPage(LicencePagePath));
}

void mnuWebsiteAufrufen(Program &program, QWidget *)
{
    program.platform().openWithAssociatedProgram(webPage(ProgramPagePath));
}

void mnuUpdateSuchen(Program &program, QWidget *mainWindow)
{
    const QString answer =
        MsgLumo(program, mainWindow, QStringLiteral("aktuelle Version: ") + programVersionText(), 11, 0,
                QStringLiteral("Programminformation"), 1, colours::DialogBack, colours::DialogText);
    if (answer != QLatin1String("Ok"))
        return;
    const QString page = program.settings.read(keys::Update, QString::fromLatin1(DefaultDownloadPage));
    program.platform().openWithAssociatedProgram(page.isEmpty() ? QString::fromLatin1(DefaultDownloadPage) : page);
}

QString companionExecutable(const QString &programFolder, const QString &fileName)
{
    QStringList candidates{programFolder + fileName};
#ifndef Q_OS_WIN
    if (fileName.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        candidates << programFolder + fileName.chopped(4);
#endif
    for (const QString &candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return QString();
}

bool startCompanionTool(Program &program, QWidget *mainWindow, const QString &fileName, const QString &title)
{
    const QString executable = companionExecutable(program.programFolder, fileName);
    if (!executable.isEmpty()) {
        program.platform().startProcess(executable, {});
        return true;
    }
    MsgLumo(program, mainWindow, fileName + QStringLiteral(" nicht gefunden."), 3, 0, title, 1, colours::WarningBack,
            colours::DialogText);
    return false;
}

void mnuCDplayer(Program &program, QWidget *mainWindow)
{
    startCompanionTool(program, mainWindow, QStringLiteral("Rundling.exe"), QStringLiteral("EXE nicht vorhanden"));
}

void mnuDVDplayer(Program &program, QWidget *mainWindow)
{
    startCompanionTool(program, mainWindow, QStringLiteral("Bildling.exe"), QStringLiteral("DVD-Player starten"));
}

void mnuWebCam(Program &program, QWidget *mainWindow)
{
    startCompanionTool(program, mainWindow, QStringLiteral("Blickling.exe"), QStringLiteral("EXE nicht vorhanden"));
}

void mnuKlangtruhe(Program &program, QWidget *, const std::function<void()> &closeMiniPlayer,
                   const std::function<void()> &closeAllWindows)
{
    const QString executable = companionExecutable(program.programFolder, QStringLiteral("Klangtruhe.exe"));
    if (executable.isEmpty() || !program.platform().startProcess(executable, {}))
        return;
    doEvents();
    if (closeMiniPlayer)
        closeMiniPlayer();
    doEvents();
    if (closeAllWindows)
        closeAllWindows();
}

} // namespace klangtruhe
