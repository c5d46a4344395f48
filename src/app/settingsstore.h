#pragma once

#include "app/settingkeys.h"

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

class QSettings;

namespace klangtruhe {

// The per-user store of text values. Keys are matched without regard to case;
// every read looks at the store again (another program may have written it);
// a write that changes nothing touches no disk.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue = QString());
    void write(const QString &application, const QString &section, const QString &key, const QString &value);

    // The program's own options: application "KlangtruhePlayer", section "Options".
    QString read(const SettingKey &key);
    QString read(const SettingKey &key, const QString &defaultValue);
    QString read(const SettingKey &key, int index); // "Spaltenbreite" + 3
    QString read(const SettingKey &key, int index, const QString &defaultValue);
    void write(const SettingKey &key, const QString &value);
    void write(const SettingKey &key, int index, const QString &value);

    // Number of disk writes so far; lets tests and benchmarks see that
    // unchanged values cost nothing.
    int diskWrites() const { return m_diskWrites; }

    // A write that did not reach the disk (full, write-protected, no folder)
    // is told once per run through report, with a German explanation; the
    // values then live only until the program ends, and later writes try again.
    void setWriteFailureReport(std::function<void(const QString &text)> report) { m_report = std::move(report); }
    int failedWrites() const { return m_failedWrites; }

private:
    QSettings &backend(const QString &application);
    void noteFailedWrite(const QString &application);

    QHash<QString, std::shared_ptr<QSettings>> m_backends;
    int m_diskWrites = 0;
    int m_failedWrites = 0;
    bool m_failureReported = false;
    std::function<void(const QString &)> m_report;
};

// What the user reads when the settings could not be saved at location.
QString settingsWriteFailureText(const QString &location);

QString indexedKey(const SettingKey &key, int index);

} // namespace klangtruhe
