#pragma once
// Tones on the default audio output: one sink pulls a ToneStream while tones are queued and
// is stopped once the stream has drained. With no audio device, or when the device cannot be
// opened, tones are dropped without a message; a later tone tries again.
#include "platform/tone/ToneOutput.h"

#include <QObject>

class QAudioSink;

namespace Tone {

class ToneStream;

class AudioToneOutput final : public QObject, public ToneOutput {
    Q_OBJECT
public:
    explicit AudioToneOutput(QObject* parent = nullptr);
    ~AudioToneOutput() override;

    void Beep(int freqHz, int ms) override;

private:
    bool OpenSink();
    void CloseSink();

    QAudioSink* sink_ = nullptr;
    ToneStream* stream_ = nullptr;
};

}  // namespace Tone
