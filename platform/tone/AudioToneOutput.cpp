#include "platform/tone/AudioToneOutput.h"

#include "platform/tone/ToneStream.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace Tone {

namespace {

// Mono 16-bit at the device's own rate, else the device's own channel count; an invalid
// format when the device takes neither.
QAudioFormat ToneFormat(const QAudioDevice& device) {
    const QAudioFormat preferred = device.preferredFormat();
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setSampleRate(preferred.sampleRate() > 0 ? preferred.sampleRate() : kSampleRate);
    format.setChannelCount(1);
    if (device.isFormatSupported(format)) return format;
    format.setChannelCount(preferred.channelCount());
    return format.channelCount() > 0 && device.isFormatSupported(format) ? format : QAudioFormat();
}

}  // namespace

AudioToneOutput::AudioToneOutput(QObject* parent) : QObject(parent) {}

AudioToneOutput::~AudioToneOutput() { CloseSink(); }

void AudioToneOutput::Beep(int freqHz, int ms) {
    if (freqHz <= 0 || ms <= 0) return;
    if (!sink_ && !OpenSink()) return;
    stream_->Add(freqHz, ms);
    if (sink_->state() == QAudio::StoppedState) {
        if (!stream_->isOpen()) stream_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        sink_->start(stream_);
        if (sink_->error() != QAudio::NoError) CloseSink();  // the device refused: silent
    }
}

bool AudioToneOutput::OpenSink() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    const QAudioFormat format = ToneFormat(device);
    if (!format.isValid()) return false;
    sink_ = new QAudioSink(device, format, this);
    stream_ = new ToneStream(format.sampleRate(), format.channelCount(), 250, this);
    // Stopped once the queue has run dry, queued so that the sink is not stopped from
    // inside its own read.
    connect(
        stream_, &ToneStream::Drained, this,
        [this] {
            if (sink_ && stream_->QueuedSamples() == 0) sink_->stop();  // unless a tone came meanwhile
        },
        Qt::QueuedConnection);
    return true;
}

void AudioToneOutput::CloseSink() {
    if (sink_) sink_->stop();
    delete sink_;
    delete stream_;
    sink_ = nullptr;
    stream_ = nullptr;
}

}  // namespace Tone
