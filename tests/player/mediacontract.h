#pragma once

// One contract, two players: every media component must behave the same to
// its callers. Each test executable instantiates the suite for its component.

#include "player/mediacomponent.h"
#include "support/audiofixtures.h"
#include "support/videofixtures.h"
#include "support/tempfolders.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace klangtruhe::test {

template <typename Maker>
class MediaContract : public ::testing::Test {
protected:
    void SetUp() override
    {
        media = Maker::make();
        spy = std::make_unique<QSignalSpy>(media.get(), &MediaComponent::playStateChanged);
    }

    QString file(const QString &name, const QByteArray &bytes)
    {
        writeFile(env.path(name), bytes);
        return env.path(name);
    }

    // Waits until the component plays (state 3), at most a few seconds.
    bool waitPlaying()
    {
        return QTest::qWaitFor([this] { return media->playState() == MediaComponent::Playing; }, 5000);
    }

    int lastReported() const { return spy->isEmpty() ? 0 : spy->constLast().at(0).toInt(); }

    TestEnvironment env;
    std::unique_ptr<MediaComponent> media;
    std::unique_ptr<QSignalSpy> spy;
};

TYPED_TEST_SUITE_P(MediaContract);

TYPED_TEST_P(MediaContract, PlaysSoundFilesToTheirEndInRealTime)
{
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("Sinus.wav"), wavSine(1.2)},
        {QStringLiteral("Stille.mp3"), mp3Silence(constantBitrate(1.2))},
        {QStringLiteral("Wechsel.mp3"), mp3Silence(variableBitrate(52))},
        {QStringLiteral("Verlustfrei.flac"), flacSilence(1.2)},
        {QStringLiteral("Ogg.ogg"), oggFlacSilence(1.2)},
    };
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = this->file(name, bytes);
        this->spy->clear();
        QElapsedTimer clock;
        clock.start();
        this->media->setUrl(path);
        EXPECT_NE(this->media->playState(), MediaComponent::Stopped);
        ASSERT_TRUE(this->waitPlaying());
        EXPECT_EQ(this->media->name(), QFileInfo(name).completeBaseName());
        EXPECT_EQ(this->media->durationString(), QStringLiteral("0:01"));
        EXPECT_EQ(this->media->attributeValue(QStringLiteral("filesize")), QString::number(bytes.size()));

        ASSERT_TRUE(QTest::qWaitFor([this] { return this->media->playState() == MediaComponent::Stopped; }, 8000));
        EXPECT_GE(clock.elapsed(), 1000) << "ended before its time";
        EXPECT_TRUE(QTest::qWaitFor([this] { return this->lastReported() == MediaComponent::Stopped; }, 1000));
        EXPECT_TRUE(this->spy->contains(QVariantList{int(MediaComponent::Playing)}));
    }
}

TYPED_TEST_P(MediaContract, PauseHoldsThePositionAndJumpsLandWhereAsked)
{
    this->media->setUrl(this->file(QStringLiteral("lang.wav"), wavSine(4.0, 8000, 1)));
    ASSERT_TRUE(this->waitPlaying());
    ASSERT_TRUE(QTest::qWaitFor([this] { return this->media->currentPosition() > 0.2; }, 3000));

    this->media->pause();
    EXPECT_TRUE(QTest::qWaitFor([this] { return this->media->playState() == MediaComponent::Paused; }, 2000));
    const double held = this->media->currentPosition();
    QTest::qWait(400);
    EXPECT_NEAR(this->media->currentPosition(), held, 0.05);

    this->media->setCurrentPosition(3.0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return std::abs(this->media->currentPosition() - 3.0) < 0.1; }, 2000));
    this->media->play();
    ASSERT_TRUE(this->waitPlaying());
    // One second left after the jump: the end comes well before the full four.
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return this->media->playState() == MediaComponent::Stopped; }, 5000));
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_GE(clock.elapsed(), 600);

    // Resume: a position given while the file still loads is not lost.
    this->media->setUrl(this->file(QStringLiteral("weiter.wav"), wavSine(4.0, 8000, 1)));
    this->media->setCurrentPosition(3.0);
    ASSERT_TRUE(this->waitPlaying());
    clock.restart();
    ASSERT_TRUE(QTest::qWaitFor([this] { return this->media->playState() == MediaComponent::Stopped; }, 5000));
    EXPECT_LT(clock.elapsed(), 2500) << "the resumed track started from the beginning";
    // Play after the end starts the track again.
    this->media->play();
    EXPECT_TRUE(this->waitPlaying());
}

TYPED_TEST_P(MediaContract, FilesThatCannotPlayEndQuicklyInStateOne)
{
    const QStringList bad = {
        this->env.path(QStringLiteral("fehlt.mp3")),
        this->file(QStringLiteral("text.mp3"), QByteArray("Kein Lied, nur Text.\n").repeated(400)),
        this->file(QStringLiteral("leer.wav"), QByteArray()),
        this->file(QStringLiteral("kaputt.png"), QByteArray("kein Bild")),
        this->file(QStringLiteral("leer.mp3"), QByteArray()),
        this->file(QStringLiteral("abgeschnitten.mp3"), mp3Silence({128}).left(3)),
        this->file(QStringLiteral("zufall.mp3"), randomBytes(64 * 1024)),
        this->file(QStringLiteral("halb.flac"), flacSilence(1.0).left(200)),
        // Played as a film or refused as no sound: either way it ends and the window goes on.
        this->file(QStringLiteral("Stummfilm.avi"), mjpegAviWithoutSound(1.0)),
    };
    qint64 slowest = 0;
    qint64 longestFreeze = 0;
    for (const QString &path : bad) {
        SCOPED_TRACE(path.toStdString());
        this->spy->clear();
        QElapsedTimer clock;
        clock.start();
        this->media->setUrl(path);
        slowest = std::max(slowest, clock.elapsed());
        EXPECT_LT(clock.elapsed(), 1000) << "setUrl blocked";
        // The window must keep answering while the backend gives up on the file:
        // the longest pause between two turns of the event loop shows a freeze.
        qint64 lastTurn = clock.elapsed();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            longestFreeze = std::max(longestFreeze, clock.elapsed() - lastTurn);
            lastTurn = clock.elapsed();
            return this->lastReported() == MediaComponent::Stopped;
        }, 5000));
        EXPECT_EQ(this->media->playState(), MediaComponent::Stopped);
    }
    EXPECT_LT(longestFreeze, 500) << "the window froze";
    // The reliability script collects these figures for both components.
    std::printf("media_bad_file_slowest_seturl: %lld ms\nmedia_bad_file_longest_freeze: %lld ms\n",
                static_cast<long long>(slowest), static_cast<long long>(longestFreeze));
}

TYPED_TEST_P(MediaContract, PicturesShowUntilClosedAndClicksAreReported)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = this->env.path(QStringLiteral("Cover.png"));
    ASSERT_TRUE(image.save(path));
    this->media->setUrl(path);
    ASSERT_TRUE(this->waitPlaying());
    QTest::qWait(300);
    EXPECT_EQ(this->media->playState(), MediaComponent::Playing);

    {
        // The caller places the area in its window; full screen takes it out and back.
        QWidget window;
        window.resize(400, 300);
        QWidget *area = this->media->widget();
        area->setParent(&window);
        area->setGeometry(10, 20, 200, 150);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        this->media->setFullScreen(true);
        EXPECT_TRUE(area->isWindow());
        this->media->setFullScreen(false);
        EXPECT_EQ(area->parentWidget(), &window);

        QSignalSpy released(this->media.get(), &MediaComponent::mouseReleased);
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(50, 50));
        EXPECT_EQ(released.value(0).value(0).toInt(), 1);

        this->media->close();
        EXPECT_EQ(this->media->playState(), MediaComponent::Stopped);
        this->media->setUrl(this->file(QStringLiteral("weiter.wav"), wavSine(0.5)));
    }
    // The window went first and took the area with it: the component plays on.
    EXPECT_TRUE(QTest::qWaitFor([this] { return this->media->playState() == MediaComponent::Stopped; }, 5000));
    this->media->setUrl(path);
    EXPECT_NE(this->media->playState(), MediaComponent::Stopped);
}

REGISTER_TYPED_TEST_SUITE_P(MediaContract, PlaysSoundFilesToTheirEndInRealTime,
                            PauseHoldsThePositionAndJumpsLandWhereAsked, FilesThatCannotPlayEndQuicklyInStateOne,
                            PicturesShowUntilClosedAndClicksAreReported);

} // namespace klangtruhe::test
