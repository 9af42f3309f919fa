#include "TestLoop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace TestLoop {

void EnsureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zr_test";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);  // lives until the program ends
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(100);  // lets a serial backend's thread run between rounds
    }
    return true;
}

void Spin(int ms) { WaitUntil([] { return false; }, ms); }

}  // namespace TestLoop
