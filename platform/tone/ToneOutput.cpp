#include "platform/tone/ToneOutput.h"

#include "platform/tone/AudioToneOutput.h"

#include <QCoreApplication>
#include <QPointer>

namespace Tone {

namespace {

ToneOutput* installed = nullptr;

class SilentOutput final : public ToneOutput {
public:
    void Beep(int, int) override {}
};

// The audio output lives as long as the application object, so that its sink is closed
// while the media backend still exists; without an application nothing can sound.
ToneOutput& DefaultOutput() {
    static QPointer<AudioToneOutput> audio;
    static SilentOutput silent;
    if (!audio && QCoreApplication::instance()) audio = new AudioToneOutput(QCoreApplication::instance());
    if (audio) return *audio;
    return silent;
}

}  // namespace

ToneOutput& Output() { return installed ? *installed : DefaultOutput(); }

void SetOutput(ToneOutput* output) { installed = output; }

void Beep(int freqHz, int ms) { Output().Beep(freqHz, ms); }

}  // namespace Tone
