#include "features/rogerbeep/ModBeep.h"

#include "core/ProgramData.h"
#include "platform/tone/ToneOutput.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <optional>
#include <utility>

namespace ModBeep {

namespace {

constexpr int32 kShortestTone = 5;   // ms; tones this short or shorter are skipped
constexpr int32 kLowestPitch = 50;   // Hz; lower frequencies are silences

// A single-shot precise Qt timer, owned by the application object so that it goes with it.
class QtBeepTimer final : public BeepTimer {
public:
    void Start(int32 ms, std::function<void()> fire) override {
        if (!Ensure()) return;
        fire_ = std::move(fire);
        timer_->start(std::max(ms, 0));
    }
    void Cancel() override {
        if (timer_) timer_->stop();
        fire_ = nullptr;
    }

private:
    bool Ensure() {
        if (timer_) return true;
        if (!QCoreApplication::instance()) return false;
        timer_ = new QTimer(QCoreApplication::instance());
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, [this] {
            // The call may start the timer again and so replace fire_.
            auto fire = std::exchange(fire_, nullptr);
            if (fire) fire();
        });
        return true;
    }
    QPointer<QTimer> timer_;
    std::function<void()> fire_;
};

BeepTimer* installedTimer = nullptr;

struct Player {
    std::optional<RBSequence> sequence;
    std::function<void()> finished;
    unsigned generation = 0;  // steps of a dropped preview find a newer generation
};
Player player;

void Step(unsigned generation) {
    if (generation != player.generation || !player.sequence) return;
    const RBStep step = player.sequence->Next();
    const auto next = [generation] { Step(generation); };
    switch (step.kind) {
    case RBStep::Kind::Sound:
        Tone::Beep(step.freqHz, step.ms);
        Timer().Start(step.ms, next);
        return;
    case RBStep::Kind::Silence:
    case RBStep::Kind::Pause:
        Timer().Start(step.ms, next);
        return;
    case RBStep::Kind::End:
        break;
    }
    player.sequence.reset();
    if (auto finished = std::exchange(player.finished, nullptr)) finished();
}

}  // namespace

RBToneSet* ToneSet(int n) {
    if (n < 1 || n > kRBSetCount) return nullptr;
    return &Prog::RadioData.ToneTips[static_cast<std::size_t>(n)];
}

int32 GetRBTotalTime(int n) {
    const RBToneSet* set = ToneSet(n);
    if (!set) return 0;
    int32 total = 0;
    // A length below 0 (only from a damaged file) plays nothing and so counts nothing.
    for (int j = 1; j <= kRBToneCount; ++j) total += std::max<int32>(set->Tone[static_cast<std::size_t>(j)].ToneLen, 0) * 10;
    return total;
}

bool InitRBPlay(int n) {
    BeepState.RBStopFlag = 0;
    const RBToneSet* set = ToneSet(n);
    BeepState.RBRepeatCount = set ? set->RepeatTimes : 0;
    BeepState.RBPauseMs = set ? int32{set->InterTime} * 10 : 0;
    return GetRBTotalTime(n) >= kShortestTone;
}

RBStep RBSequence::Next() {
    if (!started_) {
        started_ = true;
        done_ = BeepState.RBRepeatCount <= 0;
    }
    while (!done_) {
        if (tone_ <= kRBToneCount) {
            const int j = tone_++;
            const RBToneSet* set = ToneSet(*set_);
            if (!set) continue;  // no such set: nothing to sound
            const RBTone& tone = set->Tone[static_cast<std::size_t>(j)];
            const int32 ms = int32{tone.ToneLen} * 10;
            if (ms <= kShortestTone) continue;
            if (BeepState.RBStopFlag != 0) break;
            const int32 hz = int32{tone.ToneFreq} * 10;
            if (hz >= kLowestPitch) return {RBStep::Kind::Sound, hz, ms};
            return {RBStep::Kind::Silence, 0, ms};
        }
        if (tone_ == kRBToneCount + 1) {
            ++tone_;
            if (BeepState.RBPauseMs > 0) return {RBStep::Kind::Pause, 0, BeepState.RBPauseMs};
            continue;
        }
        tone_ = 1;
        if (++repetition_ >= BeepState.RBRepeatCount) break;
    }
    done_ = true;
    return {};
}

BeepTimer& Timer() {
    static QtBeepTimer qtTimer;
    return installedTimer ? *installedTimer : qtTimer;
}

void SetTimer(BeepTimer* timer) { installedTimer = timer; }

void PlayRB(const int16& set, std::function<void()> finished) {
    Timer().Cancel();
    const unsigned generation = ++player.generation;
    player.sequence.emplace(set);
    player.finished = std::move(finished);
    Step(generation);
}

bool IsPlaying() { return player.sequence.has_value(); }

void ResetBeepState() {
    Timer().Cancel();
    ++player.generation;
    player.sequence.reset();
    player.finished = nullptr;
    BeepState = BeepStateRec{};
}

}  // namespace ModBeep
