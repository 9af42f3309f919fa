#pragma once
// Tone output for the roger-beep preview: Beep(frequency in Hz, duration in ms).
//
// Beep starts the tone and returns at once; tones given while one is still sounding follow
// it without a gap. The caller times its sequence itself (a timer of its own), so a
// sequence takes the same time whether it is heard or not: with no audio device the tones
// are dropped and the caller's waits are silent. The default output plays on the default
// audio device; tests install a double.
namespace Tone {

class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    virtual void Beep(int freqHz, int ms) = 0;
};

// The installed output; the default audio output when none is installed (never null).
ToneOutput& Output();
// Installs an output (nullptr puts the default back). The caller keeps ownership.
void SetOutput(ToneOutput* output);

// Output().Beep(freqHz, ms).
void Beep(int freqHz, int ms);

}  // namespace Tone
