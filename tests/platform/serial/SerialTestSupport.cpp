#include "tests/platform/serial/SerialTestSupport.h"

#include "platform/serial/SerialBackend.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QThread>

namespace SerialTest {

void EnsureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_serial";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);  // lives until the program ends
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

void Spin(int ms) {
    WaitUntil([] { return false; }, ms);
}

void ClearComOverrides() {
    for (const QString& key : QProcessEnvironment::systemEnvironment().keys())
        if (key.startsWith(QLatin1String("ZR7310N_COM"))) qunsetenv(key.toLatin1().constData());
}

Collector::Collector(SerialBackend* port) {
    connect(port, &SerialBackend::bytesArrived, this, [this](const QByteArray& data) { chunks.append(data); });
}

QByteArray Collector::All() const {
    QByteArray all;
    for (const QByteArray& c : chunks) all += c;
    return all;
}

}  // namespace SerialTest
