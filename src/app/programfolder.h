#pragma once

#include <QString>

namespace klangtruhe {

// The program folder: KLANGTRUHE_PROGRAM_FOLDER, else the per-user data folder;
// always ending in the platform's separator.
QString resolveProgramFolder();

// The installed data files the program folder is seeded from.
QString installedDataFolder();

// A new program folder is created and seeded: the template catalogue, the
// sounds, tips and help, the first-start file and the demo catalogue. Later
// starts only add program files that are missing; they never bring back the
// first-start file or the demo, and never overwrite a file.
void seedProgramFolder(const QString &programFolder);

} // namespace klangtruhe
