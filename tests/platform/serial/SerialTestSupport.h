#pragma once
// Event-loop helpers for the serial tests (GoogleTest has no Qt application of its own).
#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>

class SerialBackend;

namespace SerialTest {

// The one QCoreApplication of the test program, made on first use.
void EnsureApp();

// Runs the event loop until done() holds or about timeoutMs have passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Runs the event loop for about ms milliseconds (to let anything pending happen).
void Spin(int ms);

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
