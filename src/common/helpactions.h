#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace klangtruhe {

class Program;

// The maker's web site; only the page paths below it are fixed.
inline constexpr const char *MakerWebsite = "https://www.fernwerk.de";
inline constexpr const char *LicencePagePath = "/nutzungslizenz.html";
inline constexpr const char *ProgramPagePath = "/klangtruhe.html";
// Where "&Update suchen..." leads when the setting "Update" is empty.
inline constexpr const char *DefaultDownloadPage = "https://www.fernwerk.de/download.html";

// The help ships as HTML pages in this folder of the program folder (there is
// no HTML Help viewer outside Windows).
inline constexpr const char *HelpFolderName = "Klangtruhe-Hilfe";
inline constexpr const char *HelpFileName = "Klangtruhe.chm";

// The help page for a topic ("" = the start page "index.html"), or "" when
// the page does not exist. A topic may carry an anchor ("player.html#ab").
QString helpPagePath(const QString &programFolder, const QString &topic);

// Opens the help at the topic ("" = start page) in the browser, or in the
// Windows help viewer when "Klangtruhe.chm" is there. A missing help does nothing.
void ShowHelp(Program &program, const QString &topic);

// "&Hilfe" (F1)
void mnuHilfe(Program &program, QWidget *mainWindow);
// "Read&Me": "readme.txt" in the program that the system associates with it.
void mnuReadMe(Program &program, QWidget *mainWindow);
// "&Nutzungslizenz": the maker's terms-of-use page.
void mnuNutzungslizenz(Program &program, QWidget *mainWindow);
// "&Website aufrufen"
void mnuWebsiteAufrufen(Program &program, QWidget *mainWindow);
// "&Update suchen...": shows the version, "&OK" opens the download page.
void mnuUpdateSuchen(Program &program, QWidget *mainWindow);

// The companion tools in the program folder; a missing one is reported.
// True when the tool was started.
bool startCompanionTool(Program &program, QWidget *mainWindow, const QString &fileName, const QString &title);
void mnuCDplayer(Program &program, QWidget *mainWindow);
void mnuDVDplayer(Program &program, QWidget *mainWindow);
void mnuWebCam(Program &program, QWidget *mainWindow);

// "Klangtruhe starten": starts the catalogue program and ends this one. The
// caller passes how to close the mini player and how to close every window
// (as "&Beenden" does). Nothing happens when the catalogue program is missing.
void mnuKlangtruhe(Program &program, QWidget *mainWindow, const std::function<void()> &closeMiniPlayer,
                   const std::function<void()> &closeAllWindows);

// The executable for a program file name in the program folder: the name
// itself, or elsewhere than on Windows also the name without ".exe"; "" when
// neither exists.
QString companionExecutable(const QString &programFolder, const QString &fileName);

} // namespace klangtruhe
