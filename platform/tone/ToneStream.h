#pragma once
// The samples an audio sink pulls while tones are being played: the queued tones one after
// the other, then silence while more may follow. Once the queue has stayed empty for
// idleMs the stream reports Drained (once), and the sink can be stopped until the next tone.
//
// Samples are 16-bit signed in the machine's byte order, the same value on every channel.
// The stream is open for reading from the start.
#include "platform/tone/SineTone.h"

#include <QIODevice>

#include <cstdint>
#include <deque>

namespace Tone {

class ToneStream final : public QIODevice {
    Q_OBJECT
public:
    ToneStream(int sampleRate, int channels, int idleMs = 250, QObject* parent = nullptr);

    int Channels() const { return channels_; }

    // Appends a tone (a frequency that cannot sound gives silence of its length).
    void Add(int freqHz, int ms);
    // Samples per channel still queued.
    std::int64_t QueuedSamples() const;

    bool isSequential() const override { return true; }
    // Always some: between and after tones the stream yields silence.
    qint64 bytesAvailable() const override;

signals:
    void Drained();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Queued {
        SineTone tone;
        std::int64_t next = 0;  // next sample to give
    };
    std::int64_t FillFromQueue(std::int16_t* frames, std::int64_t wanted);

    int rate_;
    int channels_;
    std::int64_t idleLimit_;  // frames of silence after which the stream counts as drained
    std::int64_t idle_ = 0;
    bool drainedSent_ = false;
    std::deque<Queued> queue_;
};

}  // namespace Tone
