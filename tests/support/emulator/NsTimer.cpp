#include "tests/support/emulator/NsTimer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

NsTimer::NsTimer(QObject* parent) : QObject(parent) {
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, &NsTimer::timeout);
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
}

NsTimer::~NsTimer() {
    delete notifier_;
    if (fd_ >= 0) ::close(fd_);
}

void NsTimer::Start(qint64 ns) {
    ns = std::max<qint64>(ns, 1);
    if (fd_ < 0) {
        fallback_.start(static_cast<int>((ns + 999999) / 1000000));
        return;
    }
    if (!notifier_) {
        // Made on first use: a notifier made before the application object never fires.
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &NsTimer::OnReadable);
    }
    itimerspec timerSpec {};
    timerSpec.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
    timerSpec.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
    timerfd_settime(fd_, 0, &timerSpec, nullptr);
}

void NsTimer::Stop() {
    fallback_.stop();
    if (fd_ < 0) return;
    const itimerspec off {};
    timerfd_settime(fd_, 0, &off, nullptr);  // disarms; an expiry not yet read is dropped below
    std::uint64_t expiries = 0;
    [[maybe_unused]] const ssize_t n = ::read(fd_, &expiries, sizeof expiries);
}

void NsTimer::OnReadable() {
    std::uint64_t expiries = 0;
    if (::read(fd_, &expiries, sizeof expiries) != sizeof expiries) return;  // stopped meanwhile
    emit timeout();
}
