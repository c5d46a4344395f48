#include "app/settingsstore.h"

#include "platform/settingsbackend.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace klangtruhe {

namespace {

// What identifies one state of the INI file: a write by anyone (QSettings
// replaces the file atomically) changes at least one of these.
struct FileStamp {
    bool exists = false;
    qint64 size = -1;
    QDateTime modified;
    QDateTime changed;
    bool operator==(const FileStamp &other) const
    {
        return exists == other.exists && size == other.size && modified == other.modified && changed == other.changed;
    }
};

FileStamp stampOf(const QString &file)
{
    QFileInfo info(file);
    if (!info.exists())
        return {};
    return {true, info.size(), info.fileTime(QFileDevice::FileModificationTime),
            info.fileTime(QFileDevice::FileMetadataChangeTime)};
}

} // namespace

struct SettingsStore::Backend {
    std::shared_ptr<QSettings> settings;
    bool isFile = false;
    FileStamp stamp;
    bool fresh = false;
    // "section/key" lower-cased -> the spelling stored in the file.
    QHash<QString, QString> spellings;
    bool spellingsValid = false;
};

SettingsStore::SettingsStore() = default;
SettingsStore::~SettingsStore() = default;

SettingsStore::Backend &SettingsStore::backend(const QString &application)
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
        auto created = std::make_shared<Backend>();
        created->isFile = settings->format() == QSettings::IniFormat;
        created->settings = std::move(settings);
        it = m_backends.insert(application, created);
    }
    return **it;
}

void SettingsStore::refresh(Backend &backend)
{
    if (!backend.isFile) {
        backend.settings->sync(); // the registry has no stamp to compare
        backend.spellingsValid = false;
        return;
    }
    const FileStamp now = stampOf(backend.settings->fileName());
    if (backend.fresh && now == backend.stamp)
        return;
    backend.settings->sync(); // see what another program wrote meanwhile
    backend.stamp = stampOf(backend.settings->fileName());
    backend.fresh = true;
    backend.spellingsValid = false;
}

// QSettings keys are case-sensitive; find the spelling already stored.
QString SettingsStore::spelling(Backend &backend, const QString &section, const QString &key)
{
    if (!backend.spellingsValid) {
        backend.spellings.clear();
        const QStringList stored = backend.settings->allKeys();
        for (const QString &candidate : stored)
            backend.spellings.insert(candidate.toLower(), candidate);
        backend.spellingsValid = true;
    }
    const QString full = section + QLatin1Char('/') + key;
    const QString found = backend.spellings.value(full.toLower());
    return found.isEmpty() ? QString() : found.mid(section.size() + 1);
}

QString SettingsStore::read(const QString &application, const QString &section, const QString &key,
                            const QString &defaultValue)
{
    Backend &store = backend(application);
    refresh(store);
    const QString stored = spelling(store, section, key);
    QString value = defaultValue;
    if (!stored.isEmpty()) {
        QSettings &settings = *store.settings;
        settings.beginGroup(section);
        const QVariant v = settings.value(stored);
        settings.endGroup();
        if (v.canConvert<QString>())
            value = v.toString();
        else if (v.metaType().id() == QMetaType::QStringList)
            value = v.toStringList().join(QLatin1Char(','));
    }
    return value;
}

void SettingsStore::write(const QString &application, const QString &section, const QString &key,
                          const QString &value)
{
    Backend &store = backend(application);
    refresh(store);
    QSettings &settings = *store.settings;
    QString stored = spelling(store, section, key);
    settings.beginGroup(section);
    const bool unchanged = !stored.isEmpty() && settings.value(stored).toString() == value
                           && settings.value(stored).metaType().id() == QMetaType::QString;
    if (!unchanged) {
        if (stored.isEmpty())
            stored = key;
        settings.setValue(stored, value);
    }
    settings.endGroup();
    if (!unchanged) {
        settings.sync();
        store.spellingsValid = false;
        store.stamp = store.isFile ? stampOf(settings.fileName()) : FileStamp{};
        ++m_diskWrites;
    }
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
