#pragma once
// The roger-beep preview: the program-wide preview state, the length of a set, and playing
// a set on the tone output.
//
// A preview is a sequence of steps driven by a timer, so the windows stay responsive while
// it plays: each tone longer than 5 ms sounds (or is silent when its frequency is below
// 50 Hz) for its length, then the pause follows every repetition. The set is named by
// reference to its number and read again before every tone, so a tab switch or an edit
// during a preview changes the tones still to come. RBStopFlag stops a preview before its
// next tone; a tone or a pause under way runs to its end.
#include "core/Records.h"

#include <functional>

namespace ModBeep {

struct BeepStateRec {
    int32 RBRepeatCount = 0;  // RepeatTimes of the set, taken when a preview starts
    int16 CurRBSet = 0;       // the set of the editor's selected tab
    int16 RBStopFlag = 0;     // -1 asks a running preview to stop
    int32 RBPauseMs = 0;      // InterTime x 10, taken when a preview starts
};
inline BeepStateRec BeepState;

// The set n (1..8) in the working data, or nullptr for a number outside. The preview only
// reads it; the editing rules (ToneSetEdit) store through it.
RBToneSet* ToneSet(int n);

// The sum of the tone lengths of set n in ms; 0 for a number outside 1..8.
int32 GetRBTotalTime(int n);

// Prepares a preview: RBStopFlag := 0, RBRepeatCount and RBPauseMs from set n. True when
// the set lasts at least 5 ms (the repeat count is not looked at).
bool InitRBPlay(int n);

// One step of a preview.
struct RBStep {
    enum class Kind { Sound, Silence, Pause, End };
    Kind kind = Kind::End;
    int32 freqHz = 0;  // Sound only
    int32 ms = 0;
    bool operator==(const RBStep&) const = default;
};

// The steps of a preview of the set numbered *set, from the current BeepState. Lengths and
// frequencies are worked in 32 bits, so no stored value can overflow; a repeat count of any
// size ends after that many repetitions.
class RBSequence {
public:
    explicit RBSequence(const int16& set) : set_(&set) {}
    RBStep Next();

private:
    const int16* set_;
    int32 repetition_ = 0;
    int tone_ = 1;         // next tone 1..14; 15: the pause is due
    bool started_ = false;
    bool done_ = false;
};

// What times a preview: calls fire once after ms, replacing a call still pending.
class BeepTimer {
public:
    virtual ~BeepTimer() = default;
    virtual void Start(int32 ms, std::function<void()> fire) = 0;
    virtual void Cancel() = 0;
};
// The installed timer; a Qt timer when none is installed.
BeepTimer& Timer();
// Installs a timer (nullptr puts the Qt timer back). The caller keeps ownership.
void SetTimer(BeepTimer* timer);

// Plays the set numbered *set (the caller passes BeepState.CurRBSet, which must outlive the
// preview) on Tone::Output() and calls finished when the preview has ended: after
// RBRepeatCount repetitions or at the stop test after RBStopFlag was set. A preview still
// running is dropped first, without its finished call. Returns at once.
void PlayRB(const int16& set, std::function<void()> finished);
// True from PlayRB until the preview has ended.
bool IsPlaying();

// Drops a running preview without its finished call and clears BeepState.
void ResetBeepState();

}  // namespace ModBeep
