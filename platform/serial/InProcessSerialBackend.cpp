#include "platform/serial/InProcessSerialBackend.h"

#include <utility>

InProcessSerialLine::InProcessSerialLine(QObject* parent) : QObject(parent) {}

InProcessSerialLine::~InProcessSerialLine() {
    for (auto& backend : attached_)
        if (backend) backend->Close();
}

void InProcessSerialLine::Unplug() {
    plugged_ = false;
    Discard(Host);
    Discard(Device);
    if (InProcessSerialBackend* host = attached_[Host]) host->Lose(QStringLiteral("The device has been removed"));
}

void InProcessSerialLine::Plug() {
    plugged_ = true;
}

bool InProcessSerialLine::Attach(End end, InProcessSerialBackend* backend, QString* error) {
    QString reason;
    if (end == Host && !plugged_) reason = QStringLiteral("No such device");
    else if (attached_[end] && attached_[end] != backend) reason = QStringLiteral("Device is already in use");
    if (!reason.isEmpty()) {
        if (error) *error = reason;
        return false;
    }
    attached_[end] = backend;
    return true;
}

void InProcessSerialLine::Detach(End end, InProcessSerialBackend* backend) {
    if (attached_[end] != backend) return;
    attached_[end] = nullptr;
    Discard(end);
}

void InProcessSerialLine::Send(End from, const QByteArray& data) {
    const End to = from == Host ? Device : Host;
    if (!plugged_ || data.isEmpty()) return;  // into a dead cable
    queue_[to].append(data);
    if (deliveryScheduled_[to]) return;
    deliveryScheduled_[to] = true;
    QMetaObject::invokeMethod(this, [this, to] { Deliver(to); }, Qt::QueuedConnection);
}

void InProcessSerialLine::Deliver(End towards) {
    deliveryScheduled_[towards] = false;
    const QByteArray data = std::exchange(queue_[towards], QByteArray());
    if (InProcessSerialBackend* backend = attached_[towards]; backend && !data.isEmpty()) backend->Receive(data);
}

InProcessSerialBackend::InProcessSerialBackend(InProcessSerialLine* line, InProcessSerialLine::End end, QObject* parent)
    : SerialBackend(parent), line_(line), end_(end) {}

InProcessSerialBackend::~InProcessSerialBackend() {
    Close();
}

bool InProcessSerialBackend::Open(const QString&, const SerialSettings::LineSettings&, SerialSettings::FlowControl,
                                  QString* error) {
    if (open_) return true;
    if (!line_) {
        if (error) *error = QStringLiteral("No such device");
        return false;
    }
    open_ = line_->Attach(end_, this, error);
    return open_;
}

void InProcessSerialBackend::Close() {
    if (!open_) return;
    open_ = false;
    if (line_) line_->Detach(end_, this);
}

bool InProcessSerialBackend::Apply(const SerialSettings::LineSettings&, SerialSettings::FlowControl) {
    return open_;
}

bool InProcessSerialBackend::Write(const QByteArray& data) {
    if (!open_ || !line_) return false;
    line_->Send(end_, data);
    return true;
}

int InProcessSerialBackend::PendingOutput() const {
    return open_ && line_ ? line_->Pending(Other()) : 0;
}

void InProcessSerialBackend::DiscardOutput() {
    if (open_ && line_) line_->Discard(Other());
}

void InProcessSerialBackend::DiscardInput() {
    if (open_ && line_) line_->Discard(end_);
}

void InProcessSerialBackend::Receive(const QByteArray& data) {
    if (open_) emit bytesArrived(data);
}

void InProcessSerialBackend::Lose(const QString& message) {
    Close();
    QMetaObject::invokeMethod(this, [this, message] { emit fatalError(message); }, Qt::QueuedConnection);
}

InProcessSerialLine::End InProcessSerialBackend::Other() const {
    return end_ == InProcessSerialLine::Host ? InProcessSerialLine::Device : InProcessSerialLine::Host;
}
