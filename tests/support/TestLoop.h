#pragma once
// The event loop for tests that have no Qt application of their own (GoogleTest programs):
// one QCoreApplication made on first use, and waits that let queued events and serial
// traffic happen.
#include <functional>

namespace TestLoop {

// The one QCoreApplication of the test program, made on first use; none when one exists.
void EnsureApp();

// Runs the event loop until done() holds or about timeoutMs have passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

// Runs the event loop for about ms milliseconds (to let anything pending happen).
void Spin(int ms);

}  // namespace TestLoop
