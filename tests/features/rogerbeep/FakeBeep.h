#pragma once
// A clock that only moves when a test moves it, a preview timer on that clock, and a tone
// output that records every tone with the time it was given. Both install themselves for
// their lifetime.
#include "features/rogerbeep/ModBeep.h"
#include "platform/tone/ToneOutput.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class FakeBeepTimer final : public ModBeep::BeepTimer {
public:
    FakeBeepTimer() { ModBeep::SetTimer(this); }
    ~FakeBeepTimer() override { ModBeep::SetTimer(nullptr); }
    FakeBeepTimer(const FakeBeepTimer&) = delete;
    FakeBeepTimer& operator=(const FakeBeepTimer&) = delete;

    void Start(int32 ms, std::function<void()> fire) override {
        due_ = now + ms;
        fire_ = std::move(fire);
    }
    void Cancel() override {
        due_.reset();
        fire_ = nullptr;
    }

    // Moves the clock on by ms, firing on the way whatever falls due.
    void Advance(std::int64_t ms) {
        const std::int64_t until = now + ms;
        while (due_ && *due_ <= until) {
            now = *due_;
            due_.reset();
            std::exchange(fire_, nullptr)();
        }
        now = until;
    }
    // Fires until nothing is pending; gives up after limit ms (a preview that never ends).
    void RunOut(std::int64_t limit = 100'000'000) {
        const std::int64_t end = now + limit;
        while (due_ && *due_ <= end) Advance(*due_ - now);
    }
    bool Pending() const { return due_.has_value(); }

    std::int64_t now = 0;

private:
    std::optional<std::int64_t> due_;
    std::function<void()> fire_;
};

class FakeToneOutput final : public Tone::ToneOutput {
public:
    struct Tone {
        std::int64_t at;
        int freqHz;
        int ms;
        bool operator==(const Tone&) const = default;
    };

    explicit FakeToneOutput(const FakeBeepTimer& clock) : clock_(clock) { ::Tone::SetOutput(this); }
    ~FakeToneOutput() override { ::Tone::SetOutput(nullptr); }
    FakeToneOutput(const FakeToneOutput&) = delete;
    FakeToneOutput& operator=(const FakeToneOutput&) = delete;

    void Beep(int freqHz, int ms) override { tones.push_back({clock_.now, freqHz, ms}); }

    std::vector<Tone> tones;

private:
    const FakeBeepTimer& clock_;
};
