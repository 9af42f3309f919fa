// The stream an audio sink pulls: queued tones back to back, silence after them, and the
// one Drained signal once it has stayed silent.
#include "platform/tone/AudioToneOutput.h"
#include "platform/tone/ToneOutput.h"
#include "platform/tone/ToneStream.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <cstring>
#include <vector>

namespace {

using Tone::SineTone;
using Tone::ToneStream;

// Reads frames frames in reads of chunk bytes each and returns the samples.
std::vector<std::int16_t> Read(ToneStream& s, std::int64_t frames, qint64 chunk) {
    const qint64 bytesWanted = frames * s.Channels() * 2;
    QByteArray all;
    while (all.size() < bytesWanted) {
        const QByteArray got = s.read(std::min(chunk, bytesWanted - all.size()));
        if (got.isEmpty()) break;
        all += got;
    }
    std::vector<std::int16_t> out(static_cast<std::size_t>(all.size() / 2));
    std::memcpy(out.data(), all.constData(), static_cast<std::size_t>(all.size()));
    return out;
}

std::vector<std::int16_t> Concat(std::initializer_list<SineTone> tones) {
    std::vector<std::int16_t> out;
    for (const SineTone& t : tones) {
        const auto s = t.Samples();
        out.insert(out.end(), s.begin(), s.end());
    }
    return out;
}

TEST(ToneStream, TonesBackToBackThenSilence) {
    ToneStream s(8000, 1);
    s.Add(1000, 10);  // 80 samples
    s.Add(0, 5);      // 40 samples of silence
    s.Add(400, 20);   // 160 samples
    EXPECT_EQ(s.QueuedSamples(), 280);
    auto expected = Concat({SineTone(1000, 10, 8000), SineTone(0, 5, 8000), SineTone(400, 20, 8000)});
    expected.resize(expected.size() + 100, 0);
    EXPECT_EQ(Read(s, 380, 26), expected);  // odd-sized reads split tones anywhere
    EXPECT_EQ(s.QueuedSamples(), 0);
    EXPECT_GT(s.bytesAvailable(), 0) << "silence is always there to read";
}

TEST(ToneStream, EveryChannelCarriesTheSample) {
    ToneStream s(8000, 2);
    s.Add(1000, 10);
    const auto mono = SineTone(1000, 10, 8000).Samples();
    const auto frames = Read(s, 80, 64);
    ASSERT_EQ(frames.size(), 160u);
    for (std::size_t f = 0; f < 80; ++f) {
        EXPECT_EQ(frames[2 * f], mono[f]);
        EXPECT_EQ(frames[2 * f + 1], mono[f]);
    }
    EXPECT_TRUE(s.read(3).isEmpty()) << "less than one frame is not read";
}

TEST(ToneStream, DrainedOnceAfterTheIdleTime) {
    ToneStream s(8000, 1, 100);  // 800 frames of silence
    QSignalSpy drained(&s, &ToneStream::Drained);
    s.Add(1000, 50);  // 400 frames
    Read(s, 400, 200);
    Read(s, 799, 799 * 2);
    EXPECT_EQ(drained.count(), 0);
    Read(s, 1, 2);
    EXPECT_EQ(drained.count(), 1);
    Read(s, 2000, 400);
    EXPECT_EQ(drained.count(), 1) << "reported once";
    s.Add(1000, 10);  // a new tone arms it again
    Read(s, 80 + 800, 500);
    EXPECT_EQ(drained.count(), 2);
}

// Without an application object the default output cannot sound: it is not the audio
// output, and a tone on it returns at once.
TEST(ToneOutput, WithoutApplicationNothingSounds) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(dynamic_cast<Tone::AudioToneOutput*>(&Tone::Output()), nullptr);
    QElapsedTimer call;
    call.start();
    Tone::Beep(1000, 3000);
    EXPECT_LT(call.elapsed(), 1000);
}

// On a machine without audio (as in CI) a tone is dropped at once; with audio it plays. In
// neither case does Beep wait for the tone: a three-second tone returns well within a
// second. With an application object the default output is the audio output, owned by the
// application.
TEST(ToneOutput, AudioOutputNeverBlocks) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    {
        Tone::AudioToneOutput out;
        QElapsedTimer call;
        call.start();
        out.Beep(1000, 30);
        out.Beep(0, 30);
        out.Beep(1000, 0);
        out.Beep(440, 3000);
        EXPECT_LT(call.elapsed(), 1000);
        QElapsedTimer run;
        run.start();
        while (run.elapsed() < 200) QCoreApplication::processEvents();
    }
    auto* audio = dynamic_cast<Tone::AudioToneOutput*>(&Tone::Output());
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->parent(), &app);
    QElapsedTimer call;
    call.start();
    Tone::Beep(1000, 3000);  // the default output of this application
    EXPECT_LT(call.elapsed(), 1000);
}

}  // namespace
