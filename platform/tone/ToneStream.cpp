#include "platform/tone/ToneStream.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace Tone {

namespace {
constexpr qint64 kBytesPerSample = 2;
constexpr qint64 kAvailableFrames = 4096;  // what bytesAvailable promises a reader
}  // namespace

ToneStream::ToneStream(int sampleRate, int channels, int idleMs, QObject* parent)
    : QIODevice(parent),
      rate_(std::max(sampleRate, 1)),
      channels_(std::max(channels, 1)),
      idleLimit_(static_cast<std::int64_t>(rate_) * std::max(idleMs, 0) / 1000) {
    // Unbuffered: a buffered device would read ahead of what the sink asked for and so
    // take tones from the queue before their time.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void ToneStream::Add(int freqHz, int ms) {
    SineTone tone(freqHz, ms, rate_);
    if (tone.SampleCount() <= 0) return;
    queue_.push_back({tone, 0});
    idle_ = 0;
    drainedSent_ = false;
}

std::int64_t ToneStream::QueuedSamples() const {
    std::int64_t n = 0;
    for (const Queued& q : queue_) n += q.tone.SampleCount() - q.next;
    return n;
}

qint64 ToneStream::bytesAvailable() const {
    return kAvailableFrames * channels_ * kBytesPerSample + QIODevice::bytesAvailable();
}

// Mono samples from the queue into frames[0 .. wanted); returns how many came from tones.
std::int64_t ToneStream::FillFromQueue(std::int16_t* frames, std::int64_t wanted) {
    std::int64_t done = 0;
    while (done < wanted && !queue_.empty()) {
        Queued& q = queue_.front();
        const std::int64_t take = std::min(wanted - done, q.tone.SampleCount() - q.next);
        q.tone.Fill(q.next, std::span<std::int16_t>(frames + done, static_cast<std::size_t>(take)));
        q.next += take;
        done += take;
        if (q.next >= q.tone.SampleCount()) queue_.pop_front();
    }
    std::fill(frames + done, frames + wanted, std::int16_t{0});
    return done;
}

qint64 ToneStream::readData(char* data, qint64 maxSize) {
    const std::int64_t frames = maxSize / (kBytesPerSample * channels_);
    if (frames <= 0) return 0;
    std::vector<std::int16_t> mono(static_cast<std::size_t>(frames));
    const std::int64_t sounded = FillFromQueue(mono.data(), frames);
    if (queue_.empty()) {
        idle_ += frames - sounded;
        if (idle_ >= idleLimit_ && !drainedSent_) {
            drainedSent_ = true;
            emit Drained();
        }
    }
    std::vector<std::int16_t> interleaved(static_cast<std::size_t>(frames * channels_));
    for (std::size_t f = 0; f < mono.size(); ++f)
        std::fill_n(interleaved.begin() + static_cast<std::ptrdiff_t>(f) * channels_, channels_, mono[f]);
    const qint64 bytes = frames * channels_ * kBytesPerSample;
    std::memcpy(data, interleaved.data(), static_cast<std::size_t>(bytes));  // data need not be aligned
    return bytes;
}

}  // namespace Tone
