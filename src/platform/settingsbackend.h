#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace klangtruhe {

// Opens the settings of one application name: the registry under the current
// user on Windows, an INI file per application name elsewhere and whenever
// KLANGTRUHE_SETTINGS names a folder.
std::unique_ptr<QSettings> openSettingsBackend(const QString &application);

// A text that identifies the store (its folder or registry root); the
// single-instance key is derived from it, so parallel test runs with their
// own stores never see each other.
QString settingsLocation();

// Qt guards an INI file with a lock file beside it. One that a killed program
// left empty names no owner, and Qt would wait half a minute before it takes
// it over; this removes such a lock (waiting a moment if it is brand new, as
// a live writer fills its lock file at once). Other stores are left alone.
void clearAbandonedLock(const QSettings &settings);

} // namespace klangtruhe
