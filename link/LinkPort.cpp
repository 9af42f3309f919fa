#include "link/LinkPort.h"

#include "link/CommInternal.h"
#include "link/ModComm.h"
#include "platform/serial/MSComm.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace ModComm {

namespace {

constexpr int kIntervalMs = 300;
bool g_manual = false;
bool g_manualPending = false;  // a time-out armed while manual

struct LinkPort {
    QPointer<QObject> holder;
    MSComm* comm = nullptr;
    QTimer* waitTimer = nullptr;
};
LinkPort g_port;

LinkPort& Port() {
    if (g_port.holder) return g_port;
    auto* holder = new QObject(QCoreApplication::instance());
    g_port.comm = new MSComm(holder);
    g_port.waitTimer = new QTimer(holder);
    g_port.waitTimer->setSingleShot(true);
    g_port.waitTimer->setTimerType(Qt::PreciseTimer);
    g_port.waitTimer->setInterval(kIntervalMs);
    QObject::connect(g_port.comm, &MSComm::OnComm, g_port.comm, &MSComm1_OnComm);
    QObject::connect(g_port.waitTimer, &QTimer::timeout, g_port.waitTimer, &WaitTimer_Timer);
    g_port.holder = holder;
    return g_port;
}

}  // namespace

MSComm& MSComm1() { return *Port().comm; }

bool IsWaitTimerOn() { return g_manual ? g_manualPending : (g_port.holder && g_port.waitTimer->isActive()); }

void SetWaitTimerManual(bool manual) {
    if (manual == g_manual) return;
    const bool pending = IsWaitTimerOn();  // a pending time-out stays pending
    Internal::WaitTimerOff();
    g_manual = manual;
    if (pending) Internal::WaitTimerOn();
}

bool FireWaitTimer() {
    if (!IsWaitTimerOn()) return false;
    WaitTimer_Timer();
    return true;
}

namespace Internal {

void WaitTimerOn() {
    if (g_manual) g_manualPending = true;
    else Port().waitTimer->start(kIntervalMs);
}

void WaitTimerOff() {
    g_manualPending = false;
    if (g_port.holder) g_port.waitTimer->stop();
}

}  // namespace Internal

}  // namespace ModComm
