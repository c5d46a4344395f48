#pragma once

#include "fakesequencerhost.h"
#include "scriptedrandom.h"

#include "player/sequencer.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace klangtruhe::test {

// A sequencer on the fake host with a clock that only counts: sleeping is
// written to the log and lets `onSleep` act as a click would meanwhile.
class SequencerFixture : public ::testing::Test {
protected:
    SequencerClock fakeClock()
    {
        return {[this] { return now; },
                [this](int ms) {
                    host.log << QStringLiteral("sleep %1").arg(ms);
                    now += ms / 1000.0;
                    if (onSleep)
                        onSleep();
                },
                [] {}};
    }

    PlaySequencer &sequencer()
    {
        if (!m_sequencer)
            m_sequencer = std::make_unique<PlaySequencer>(program, host, dialogs, random, fakeClock());
        return *m_sequencer;
    }

    // Ticks while Timer1 runs, as the timer would; at most `limit` ticks.
    int runTicks(int limit = 50)
    {
        int ticks = 0;
        while (host.timer1 && ticks < limit) {
            sequencer().Timer1_Timer();
            ++ticks;
        }
        return ticks;
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
