#include "platform/serial/MSComm.h"

#include "platform/serial/ComPorts.h"
#include "platform/serial/SerialBackend.h"
#include "platform/serial/SerialSettings.h"

#include <QPointer>

#include <algorithm>
#include <memory>
#include <utility>

MSComm::MSComm(QObject* parent) : QObject(parent) {}

MSComm::~MSComm() {
    if (backend_) {
        backend_->disconnect(this);
        backend_->Close();
    }
}

bool MSComm::Fail(Error error, const QString& text) {
    lastError_ = error;
    lastErrorText_ = text;
    return false;
}

bool MSComm::Succeed() {
    lastError_ = Error::None;
    lastErrorText_.clear();
    return true;
}

bool MSComm::SetCommPort(int port) {
    if (PortOpen()) return Fail(Error::NotWhileOpen, QStringLiteral("Operation not valid while the port is opened"));
    if (port < 1 || port > ComPorts::MaxComPort) return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid port number"));
    commPort_ = port;
    return Succeed();
}

bool MSComm::SetHandshaking(int value) {
    SerialSettings::FlowControl flow;
    SerialSettings::LineSettings line;
    if (!SerialSettings::FlowFromHandshaking(value, &flow))
        return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    if (backend_ && SerialSettings::Parse(settings_, &line) && !backend_->Apply(line, flow))
        return Fail(Error::InvalidPropertyValue, QStringLiteral("The port refused the handshaking"));
    handshaking_ = value;
    return Succeed();
}

bool MSComm::SetSettings(const QString& text) {
    SerialSettings::LineSettings line;
    SerialSettings::FlowControl flow;
    if (!SerialSettings::Parse(text, &line)) return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    SerialSettings::FlowFromHandshaking(handshaking_, &flow);
    if (backend_ && !backend_->Apply(line, flow))
        return Fail(Error::InvalidPropertyValue, QStringLiteral("The port refused the settings"));
    settings_ = text;
    return Succeed();
}

bool MSComm::SetRThreshold(int count) {
    if (count < 0) return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    rThreshold_ = count;
    return Succeed();
}

bool MSComm::SetInputMode(int mode) {
    if (mode != comInputModeText && mode != comInputModeBinary)
        return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    inputMode_ = mode;
    return Succeed();
}

bool MSComm::SetInputLen(int count) {
    if (count < 0) return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    inputLen_ = count;
    return Succeed();
}

bool MSComm::SetInBufferSize(int size) {
    if (PortOpen()) return Fail(Error::NotWhileOpen, QStringLiteral("Operation not valid while the port is opened"));
    if (size < 1) return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    inBufferSize_ = size;
    return Succeed();
}

bool MSComm::SetPortOpen(bool open) {
    if (!open) {
        ReleaseBackend();
        return Succeed();
    }
    if (backend_) return Fail(Error::PortAlreadyOpen, QStringLiteral("Port already open"));
    SerialSettings::LineSettings line;
    SerialSettings::FlowControl flow;
    SerialSettings::Parse(settings_, &line);  // settings_ only ever holds a valid text
    SerialSettings::FlowFromHandshaking(handshaking_, &flow);
    QString path;
    std::unique_ptr<SerialBackend> backend = ComPorts::CreateBackend(commPort_, &path);
    if (!backend) return Fail(Error::InvalidPortNumber, QStringLiteral("No device for COM%1").arg(commPort_));
    QString error;
    if (!backend->Open(path, line, flow, &error))
        return Fail(Error::PortOpenFailed, QStringLiteral("%1: %2").arg(path, error));
    backend_ = backend.release();
    backend_->setParent(this);
    devicePath_ = path;
    in_.clear();
    connect(backend_, &SerialBackend::bytesArrived, this, &MSComm::OnBytesArrived);
    connect(backend_, &SerialBackend::fatalError, this, &MSComm::OnPortLost);
    return Succeed();
}

void MSComm::ReleaseBackend() {
    in_.clear();
    devicePath_.clear();
    if (!backend_) return;
    SerialBackend* backend = std::exchange(backend_, nullptr);
    backend->disconnect(this);
    backend->Close();
    // The caller may be inside one of the backend's own signals.
    backend->deleteLater();
}

bool MSComm::SetInBufferCount(int count) {
    if (count != 0) return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    if (!backend_) return Fail(Error::PortNotOpen, QStringLiteral("Operation valid only when the port is open"));
    in_.clear();
    backend_->DiscardInput();
    return Succeed();
}

int MSComm::OutBufferCount() const {
    return backend_ ? backend_->PendingOutput() : 0;
}

bool MSComm::SetOutBufferCount(int count) {
    if (count != 0) return Fail(Error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    if (!backend_) return Fail(Error::PortNotOpen, QStringLiteral("Operation valid only when the port is open"));
    backend_->DiscardOutput();
    return Succeed();
}

bool MSComm::Output(const QByteArray& data) {
    if (!backend_) return Fail(Error::PortNotOpen, QStringLiteral("Operation valid only when the port is open"));
    if (!backend_->Write(data)) return Fail(Error::WriteFailed, QStringLiteral("Cannot write to %1").arg(devicePath_));
    return Succeed();
}

QByteArray MSComm::Input() {
    if (!backend_) {
        Fail(Error::PortNotOpen, QStringLiteral("Operation valid only when the port is open"));
        return {};
    }
    const qsizetype take = inputLen_ == 0 ? in_.size() : std::min<qsizetype>(inputLen_, in_.size());
    QByteArray out = in_.left(take);
    in_.remove(0, take);
    Succeed();
    return out;
}

void MSComm::OnBytesArrived(const QByteArray& data) {
    const qsizetype room = inBufferSize_ - in_.size();
    const bool overflow = data.size() > room;
    in_.append(data.left(std::max<qsizetype>(room, 0)));
    QPointer<MSComm> self(this);
    if (ReceiveDue()) Raise(comEvReceive);
    if (self && overflow && backend_) Raise(comEventRxOver);
}

void MSComm::OnPortLost(const QString& message) {
    ReleaseBackend();
    Fail(Error::PortLost, message);
    Raise(comEventPortLost);
}

bool MSComm::ReceiveDue() const {
    return backend_ && rThreshold_ > 0 && in_.size() >= rThreshold_;
}

void MSComm::Raise(int event) {
    if (inOnComm_) {
        // Handled after the running handler; one pending receive check is enough.
        if (event != comEvReceive || std::find(pendingEvents_.begin(), pendingEvents_.end(), event) == pendingEvents_.end())
            pendingEvents_.push_back(event);
        return;
    }
    QPointer<MSComm> self(this);
    inOnComm_ = true;
    pendingEvents_.push_back(event);
    while (self && !pendingEvents_.empty()) {
        const int next = pendingEvents_.front();
        pendingEvents_.pop_front();
        if (next == comEvReceive && !ReceiveDue()) continue;
        commEvent_ = next;
        emit OnComm();
    }
    if (self) inOnComm_ = false;
}
