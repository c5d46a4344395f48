// Stores one kind of change step after step until it is killed, and prints
// the number of every step once that step's write has returned. The crash
// test kills it at a random moment and checks what the files kept.
//
//   klangtruhe_crashworker <edits|playlist|exclusion|settings|backups> <file>

#include "app/settingsstore.h"
#include "catalogue/backups.h"
#include "catalogue/data1.h"
#include "lists/listfiles.h"
#include "lists/playlistfile.h"
#include "reliability/crashsteps.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <functional>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

using Step = std::function<bool(int)>;

Step catalogueEdits(Data1 &data, const QString &path)
{
    data.setDatabaseName(path);
    data.setRecordSource(QStringLiteral("select * from Schallplatten order by Band"));
    DatabaseError error;
    if (!data.refresh(error) || data.recordCount() != crash::kEntries)
        return {};
    return [&data](int step) {
        DatabaseError storeError;
        return data.setAbsolutePosition(step % crash::kEntries)
               && (data.setFieldValue(QStringLiteral("Info"), crash::editText(step)), data.storePendingEdits(storeError));
    };
}

Step playlistChanges(const QString &path)
{
    return [path](int step) {
        if (!crash::isRemoval(step))
            return appendPlaylistLines(path, {crash::playlistLine(step)});
        QList<PlaylistItem> items;
        for (const QString &line : crash::playlistState(step))
            items << splitPlaylistLine(line);
        return writePlaylistFile(path, items);
    };
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3)
        return 2;
    const QString kind = arguments.at(1);
    const QString path = arguments.at(2);

    Data1 data;
    SettingsStore settings; // in the folder KLANGTRUHE_SETTINGS names
    Step step;
    if (kind == QLatin1String("edits"))
        step = catalogueEdits(data, path);
    else if (kind == QLatin1String("playlist"))
        step = playlistChanges(path);
    else if (kind == QLatin1String("exclusion"))
        step = [path](int n) { return writeListFile(path, crash::exclusionState(n)); };
    else if (kind == QLatin1String("settings"))
        step = [&settings](int n) {
            settings.write(QStringLiteral("KlangtruhePlayer"), QStringLiteral("Options"), QStringLiteral("Zaehler"),
                           crash::settingValue(n));
            return true;
        };
    else if (kind == QLatin1String("backups"))
        step = [path](int n) {
            // One backup a step, each under its own time, as on days one after another.
            return writeBackupOfFile(path, backupPathFor(path, crash::backupTime(n)), nullptr);
        };
    if (!step)
        return 3;
    for (int n = 1;; ++n) {
        if (!step(n))
            return 4;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
