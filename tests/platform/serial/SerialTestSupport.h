#pragma once
// Helpers for the serial tests: the event-loop waits (GoogleTest has no Qt application of its
// own), a known environment and a recorder of what a backend receives.
#include "tests/support/TestLoop.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>

class SerialBackend;

namespace SerialTest {

using TestLoop::EnsureApp;
using TestLoop::Spin;
// Runs the event loop until done() holds or about timeoutMs have passed; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    return TestLoop::WaitUntil(done, timeoutMs);
}

// Removes every ZR7310N_COM<n> variable so that the environment is known.
void ClearComOverrides();

// Records what a backend receives, one entry per arrival.
class Collector : public QObject {
public:
    explicit Collector(SerialBackend* port);
    QByteArray All() const;
    QList<QByteArray> chunks;
};

}  // namespace SerialTest
