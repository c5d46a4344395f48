#pragma once

#include "scriptedrandom.h"

#include "app/program.h"
#include "player/sequencer.h"
#include "player/sequencerhost.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace klangtruhe::test {

// One catalogue entry of the fake table.
struct FakeEntry {
    QString band;
    QString style;
    int tracks = 3;
};

// The player as the sequencer sees it. Every track has ended when a tick
// comes (the media player reports stopped), so each tick moves on. What
// happens is written to `log`: "Start 2", "Start 3/1" (row/track with a
// table), "Stop", "sleep 500", "status 3 Sek. Pause", "notice <title>".
class FakeSequencerHost : public SequencerHost {
public:
    explicit FakeSequencerHost(Program &program) : m_program(program) {}

    PlayModes playModes() const override { return modes; }
    void setPlayModes(const PlayModes &newModes) override { modes = newModes; }

    bool winPlayerVerwenden() const override { return winPlayer; }
    bool videoModus() const override { return video; }
    int mediaPlayerPlayState() const override { return playState; }
    int externalPlayerPlayState() const override { return externalPlayState; }
    double trackEnde() const override { return ende; }

    int trackCount() const override { return tracks; }
    void markTrack(int index, bool marked) override { marks[index] = marked; }
    QList<bool> playlistChecked() const override { return checked; }
    void selectPlaylistItem(int) override {}
    QList<int> &TrackGespielt() override { return gespielt; }

    int tableRowCount() const override { return static_cast<int>(entries.size()); }
    int currentTableRow() const override { return row; }
    QString tableCell(int r, int column) const override
    {
        if (r < 1 || r > entries.size())
            return {};
        const FakeEntry &entry = entries.at(r - 1);
        return column == 0 ? entry.band : column == kStil ? entry.style : QString();
    }
    void StilSpalteSetzen() override {}
    int StilSpalte() const override { return kStil; }
    void moveToTableRow(int r) override
    {
        row = r;
        // Refilling the track list starts afresh.
        tracks = entries.at(r - 1).tracks;
        gespielt = QList<int>(tracks, 0);
        marks.clear();
        m_program.AktuellerTrack = 0;
    }

    QStringList abspielausschluss() const override { return styles; }
    QStringList bandAusschluss() const override { return bands; }

    QString statusText() const override { return status; }
    void setStatusText(const QString &text) override
    {
        status = text;
        log << QStringLiteral("status ") + text;
    }
    void showPauseActive(bool active) override { pauseActive = active; }
    bool miniPlayerVisible() const override { return miniVisible; }
    void showMiniPlayerPauseActive(bool active) override { miniPauseActive = active; }
    void setMiniPlayerCaption(const QString &caption) override { miniCaption << caption; }

    void Start() override
    {
        m_program.StopNachPause = false;
        const int track = m_program.AktuellerTrack;
        log << (entries.isEmpty() ? QStringLiteral("Start %1").arg(track)
                                  : QStringLiteral("Start %1/%2").arg(row).arg(track));
        if (modes.chkTracksZufaellig.value && track >= 0 && track < gespielt.size())
            gespielt[track] = 1;
        timer1 = modes.sequencing() && !m_program.StilAusgeschlossen;
        status = QStringLiteral("playing:  x");
    }
    void Stop() override
    {
        log << QStringLiteral("Stop");
        timer1 = false;
        status = QStringLiteral("no play");
    }
    void TextSongAktualisieren() override {}
    void setTimer1(bool on) override { timer1 = on; }

    static constexpr int kStil = 5;

    PlayModes modes;
    bool winPlayer = true;
    bool video = false;
    int playState = 1;
    int externalPlayState = 3;
    double ende = 0;
    int tracks = 0;
    QHash<int, bool> marks;
    QList<bool> checked;
    QList<int> gespielt;
    QList<FakeEntry> entries;
    int row = 0;
    QStringList styles, bands;
    QString status = QStringLiteral("playing:  x");
    bool pauseActive = false;
    bool miniVisible = false;
    bool miniPauseActive = false;
    QStringList miniCaption;
    bool timer1 = true;
    QStringList log;

private:
    Program &m_program;
};

// Dialogs answered from queues; every question and notice is recorded.
class FakeDialogs : public PlayerDialogs {
public:
    QString message(const QString &text, int, int, const QString &title, int, quint32, quint32) override
    {
        messages << title + QLatin1Char('|') + text;
        return replies.isEmpty() ? QString() : replies.takeFirst();
    }
    QString input(const QString &prompt, const QString &title, const QString &defaultText, quint32,
                  quint32) override
    {
        inputs << title + QLatin1Char('|') + prompt + QLatin1Char('|') + defaultText;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers, replies;
    QStringList inputs, messages;
};

// A sequencer on the fake host with a clock that only counts: sleeping is
// written to the log and lets `onSleep` act as a click would meanwhile.
class SequencerFixture : public ::testing::Test {
protected:
    PlaySequencer &sequencer()
    {
        const auto sleep = [this](int ms) {
            host.log << QStringLiteral("sleep %1").arg(ms);
            now += ms / 1000.0;
            if (onSleep)
                onSleep();
        };
        if (!m_sequencer)
            m_sequencer = std::make_unique<PlaySequencer>(program, host, dialogs, random,
                                                          SequencerClock{[this] { return now; }, sleep, [] {}});
        return *m_sequencer;
    }

    // Ticks while Timer1 runs, as the timer would; at most 50 ticks.
    void runTicks()
    {
        for (int ticks = 0; host.timer1 && ticks < 50; ++ticks)
            sequencer().Timer1_Timer();
    }

    void setting(const SettingKey &key, const QString &value) { program.settings.write(key, value); }

    TestEnvironment env;
    Program program{std::make_unique<RecordingPlatform>()};
    FakeSequencerHost host{program};
    FakeDialogs dialogs;
    ScriptedRandom random{{0.0}};
    double now = 100;
    std::function<void()> onSleep;

private:
    std::unique_ptr<PlaySequencer> m_sequencer;
};

} // namespace klangtruhe::test
