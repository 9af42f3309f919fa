#include "link/LinkPort.h"

#include "link/CommInternal.h"
#include "link/ModComm.h"
#include "platform/serial/MSComm.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace ModComm {

namespace {

constexpr int kDefaultIntervalMs = 300;
int g_intervalMs = kDefaultIntervalMs;

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
    g_port.waitTimer->setInterval(g_intervalMs);
    QObject::connect(g_port.comm, &MSComm::OnComm, g_port.comm, &MSComm1_OnComm);
    QObject::connect(g_port.waitTimer, &QTimer::timeout, g_port.waitTimer, &WaitTimer_Timer);
    g_port.holder = holder;
    return g_port;
}

}  // namespace

MSComm& MSComm1() { return *Port().comm; }

bool IsWaitTimerOn() { return g_port.holder && g_port.waitTimer->isActive(); }

void SetWaitTimerInterval(int ms) {
    g_intervalMs = ms > 0 ? ms : kDefaultIntervalMs;
    if (g_port.holder) g_port.waitTimer->setInterval(g_intervalMs);
}

int WaitTimerInterval() { return g_intervalMs; }

namespace Internal {

void WaitTimerOn() { Port().waitTimer->start(g_intervalMs); }

void WaitTimerOff() {
    if (g_port.holder) g_port.waitTimer->stop();
}

}  // namespace Internal

}  // namespace ModComm
