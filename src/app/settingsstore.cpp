#include "app/settingsstore.h"

#include "platform/settingsbackend.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace klangtruhe {

namespace {

// QSettings keys are case-sensitive; find the spelling already stored.
QString storedSpelling(QSettings &settings, const QString &key)
{
    if (settings.contains(key))
        return key;
    const QStringList stored = settings.childKeys();
    for (const QString &candidate : stored) {
        if (candidate.compare(key, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return QString();
}

} // namespace

SettingsStore::SettingsStore() = default;
SettingsStore::~SettingsStore() = default;

QSettings &SettingsStore::backend(const QString &application)
{
    auto it = m_backends.find(application);
    if (it == m_backends.end()) {
        std::shared_ptr<QSettings> settings(openSettingsBackend(application));
        if (settings->status() == QSettings::FormatError && settings->format() == QSettings::IniFormat) {
            // A damaged file: keep it beside for the user, start with defaults.
            const QString damaged = settings->fileName();
            settings.reset();
            QFile::remove(damaged + QStringLiteral(".defekt"));
            QFile::rename(damaged, damaged + QStringLiteral(".defekt"));
            settings.reset(openSettingsBackend(application).release());
        }
        it = m_backends.insert(application, settings);
    }
    return **it;
}

QString SettingsStore::read(const QString &application, const QString &section, const QString &key,
                            const QString &defaultValue)
{
    QSettings &settings = backend(application);
    settings.sync(); // see what another program wrote meanwhile
    settings.beginGroup(section);
    const QString spelling = storedSpelling(settings, key);
    QString value = defaultValue;
    if (!spelling.isEmpty()) {
        const QVariant stored = settings.value(spelling);
        if (stored.canConvert<QString>())
            value = stored.toString();
        else if (stored.metaType().id() == QMetaType::QStringList)
            value = stored.toStringList().join(QLatin1Char(','));
    }
    settings.endGroup();
    return value;
}

void SettingsStore::write(const QString &application, const QString &section, const QString &key,
                          const QString &value)
{
    QSettings &settings = backend(application);
    settings.sync();
    settings.beginGroup(section);
    QString spelling = storedSpelling(settings, key);
    const bool unchanged = !spelling.isEmpty() && settings.value(spelling).toString() == value
                           && settings.value(spelling).metaType().id() == QMetaType::QString;
    if (!unchanged) {
        if (spelling.isEmpty())
            spelling = key;
        settings.setValue(spelling, value);
    }
    settings.endGroup();
    if (!unchanged) {
        clearAbandonedLock(settings);
        settings.sync();
        ++m_diskWrites;
        // A format error is about what was read; only an access error means the write did not land.
        if (settings.status() == QSettings::AccessError)
            noteFailedWrite(application);
    }
}

void SettingsStore::noteFailedWrite(const QString &application)
{
    ++m_failedWrites;
    const QString location = m_backends.value(application)->fileName();
    // A QSettings keeps its first error for good; a fresh one tries the disk anew.
    m_backends.remove(application);
    if (m_failureReported || !m_report)
        return;
    m_failureReported = true;
    m_report(settingsWriteFailureText(location));
}

QString settingsWriteFailureText(const QString &location)
{
    return QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\r\n%1\r\n\r\n"
                          "Vielleicht ist der Datenträger voll oder schreibgeschützt. Geänderte Einstellungen "
                          "gelten nur, bis das Programm beendet wird. Diese Meldung erscheint nur einmal.")
        .arg(QDir::toNativeSeparators(location));
}

QString SettingsStore::read(const SettingKey &key)
{
    return read(key, QString::fromUtf8(key.defaultValue));
}

QString SettingsStore::read(const SettingKey &key, const QString &defaultValue)
{
    return read(QString::fromLatin1(kApplicationName), QString::fromLatin1(kOptionsSection),
                QString::fromUtf8(key.name), defaultValue);
}

QString SettingsStore::read(const SettingKey &key, int index)
{
    return read(key, index, QString::fromUtf8(key.defaultValue));
}

QString SettingsStore::read(const SettingKey &key, int index, const QString &defaultValue)
{
    return read(QString::fromLatin1(kApplicationName), QString::fromLatin1(kOptionsSection),
                indexedKey(key, index), defaultValue);
}

void SettingsStore::write(const SettingKey &key, const QString &value)
{
    write(QString::fromLatin1(kApplicationName), QString::fromLatin1(kOptionsSection),
          QString::fromUtf8(key.name), value);
}

void SettingsStore::write(const SettingKey &key, int index, const QString &value)
{
    write(QString::fromLatin1(kApplicationName), QString::fromLatin1(kOptionsSection), indexedKey(key, index),
          value);
}

QString indexedKey(const SettingKey &key, int index)
{
    return QString::fromUtf8(key.name) + QString::number(index);
}

} // namespace klangtruhe
