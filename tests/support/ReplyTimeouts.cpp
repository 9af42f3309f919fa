#include "ReplyTimeouts.h"

#include "link/LinkPort.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "tests/support/emulator/RadioEmulator.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// Posted at low priority, so it is handled after every event posted before it.
const QEvent::Type kMarker = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

bool LineQuiet(const InProcessSerialLine& line, const RadioEmulator& radio) {
    return line.IsIdle() && !radio.IsSending();
}

ReplyTimeouts::ReplyTimeouts(std::function<bool()> replyMissing) : replyMissing_(std::move(replyMissing)) {
    ModComm::SetWaitTimerManual(true);
    connect(&poll_, &QTimer::timeout, this, &ReplyTimeouts::Check);
    poll_.start(1);
}

ReplyTimeouts::~ReplyTimeouts() {
    ModComm::SetWaitTimerManual(false);
}

bool ReplyTimeouts::Due() const {
    return ModComm::IsWaitTimerOn() && replyMissing_ && replyMissing_();
}

// The reply looks missing: make sure once more after whatever is already posted.
void ReplyTimeouts::Check() {
    if (markerPosted_ || !Due()) return;
    markerPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kMarker), Qt::LowEventPriority);
}

bool ReplyTimeouts::event(QEvent* e) {
    if (e->type() != kMarker) return QObject::event(e);
    markerPosted_ = false;
    if (Due()) ModComm::FireWaitTimer();
    return true;
}
