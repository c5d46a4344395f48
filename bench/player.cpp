// The player's start: from Enter in the track list to the real media
// component reporting "playing" (warm), and Start's own work in a folder of
// 500 files on the fake component. Usage: player [--runs N]
#include "app/ausgabebox.h"
#include "app/launch.h"
#include "app/program.h"
#include "catalogue/catalogueschema.h"
#include "common/soundsynth.h"
#include "player/mediacomponent.h"
#include "player/playercomponent.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

using namespace klangtruhe;

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray silence(double seconds)
{
    constexpr int rate = 22050;
    return wavFile(std::vector<float>(size_t(seconds * rate), 0.0f), rate);
}

// A program folder, settings store and one-entry catalogue whose music folder holds `files` tracks.
bool prepare(const QString &root, int files, double seconds)
{
    const QString programFolder = root + QStringLiteral("/programm/");
    const QString music = root + QStringLiteral("/musik/");
    QDir().mkpath(programFolder);
    QDir().mkpath(music);
    qputenv("KLANGTRUHE_PROGRAM_FOLDER", programFolder.toLocal8Bit());
    qputenv("KLANGTRUHE_SETTINGS", (root + QStringLiteral("/settings")).toLocal8Bit());
    if (!createEmptyCatalogue(programFolder + QStringLiteral("Archiv_leer.mdb")))
        return false;
    const QString catalogue = root + QStringLiteral("/sammlung.mdb");
    if (!createEmptyCatalogue(catalogue))
        return false;
    sqlite3 *db = nullptr;
    if (sqlite3_open(catalogue.toUtf8().constData(), &db) != SQLITE_OK)
        return false;
    const QByteArray sql = QStringLiteral("insert into Schallplatten (Band, LPTitel, Musikpfad) values ('Can', 'Tago Mago', '%1')")
                               .arg(music)
                               .toUtf8();
    const bool inserted = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!inserted)
        return false;
    const QByteArray track = silence(seconds);
    for (int i = 0; i < files; ++i) {
        if (!writeBytes(music + QStringLiteral("%1 Titel.wav").arg(i, 3, 10, QLatin1Char('0')), track))
            return false;
    }
    QSettings settings(root + QStringLiteral("/settings/KlangtruhePlayer.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Options/ArchivPfad"), catalogue);
    settings.sync();
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void pressEnter(QWidget *list)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(list, &press);
    QApplication::sendEvent(list, &release);
}

// Enter in the track list until the real component reports "playing".
double startToPlaying(int runs)
{
    QTemporaryDir root;
    if (!prepare(root.path(), 3, 30))
        return -1;
    qputenv("KLANGTRUHE_MEDIA", "real");
    auto *window = qobject_cast<Ausgabebox *>(launch({}));
    if (!window)
        return -1;
    PlayerComponent &player = window->player();
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        player.filTrack()->setCurrentRow(run % 3);
        player.filTrack()->setFocus();
        QElapsedTimer clock;
        clock.start();
        pressEnter(player.filTrack());
        while (player.MediaPlayer1().playState() != MediaComponent::Playing && clock.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (run > 0) // the first run warms the decoder up
            times.push_back(ms);
        player.imgStop_Click();
    }
    window->close();
    delete window;
    return median(times);
}

// Start itself (list, state, status, hand-over) on the fake component.
double startOwnWork(int runs)
{
    QTemporaryDir root;
    if (!prepare(root.path(), 500, 0.2))
        return -1;
    qputenv("KLANGTRUHE_MEDIA", "fake");
    auto *window = qobject_cast<Ausgabebox *>(launch({}));
    if (!window)
        return -1;
    PlayerComponent &player = window->player();
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        window->program().AktuellerTrack = (run * 37) % 500;
        QElapsedTimer clock;
        clock.start();
        player.imgStart_Click();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (run > 0)
            times.push_back(ms);
    }
    player.imgStop_Click();
    window->close();
    delete window;
    return median(times);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 9;
    const QStringList arguments = QApplication::arguments();
    const int at = int(arguments.indexOf(QStringLiteral("--runs")));
    if (at >= 0 && at + 1 < arguments.size())
        runs = std::max(1, arguments.at(at + 1).toInt());

    std::printf("start_to_playing: %.0f ms\n", startToPlaying(runs));
    std::fflush(stdout);
    std::printf("start_own_work: %.1f ms\n", startOwnWork(runs));
    return 0;
}
