#pragma once
// The ready flag of an editor window (0 while the window fills its own controls, -1 when a
// user's choice is stored) held at 0 for the life of a scope. The flag gets back the value it
// had when the scope began, however the scope ends; fills nested in a fill therefore leave it
// at 0 until the outer one ends.
#include <cstdint>

class ReadyFlagScope {
public:
    explicit ReadyFlagScope(std::int16_t& flag) : flag_(flag), saved_(flag) { flag_ = 0; }
    ~ReadyFlagScope() { flag_ = saved_; }
    ReadyFlagScope(const ReadyFlagScope&) = delete;
    ReadyFlagScope& operator=(const ReadyFlagScope&) = delete;

private:
    std::int16_t& flag_;
    std::int16_t saved_;
};
