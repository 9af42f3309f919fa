#include "platform/serial/QtSerialBackend.h"

#include "platform/serial/LowLatency.h"

using namespace SerialSettings;

namespace {

QSerialPort::Parity ToQt(Parity p) {
    switch (p) {
    case Parity::Even: return QSerialPort::EvenParity;
    case Parity::Odd: return QSerialPort::OddParity;
    case Parity::Mark: return QSerialPort::MarkParity;
    case Parity::Space: return QSerialPort::SpaceParity;
    case Parity::None: break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits ToQt(StopBits s) {
    switch (s) {
    case StopBits::OneAndHalf: return QSerialPort::OneAndHalfStop;
    case StopBits::Two: return QSerialPort::TwoStop;
    case StopBits::One: break;
    }
    return QSerialPort::OneStop;
}

QSerialPort::FlowControl ToQt(FlowControl f) {
    switch (f) {
    case FlowControl::Software: return QSerialPort::SoftwareControl;
    case FlowControl::Hardware: return QSerialPort::HardwareControl;
    case FlowControl::None: break;
    }
    return QSerialPort::NoFlowControl;
}

}  // namespace

QtSerialBackend::QtSerialBackend(QObject* parent) : SerialBackend(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialBackend::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialBackend::OnError);
}

QtSerialBackend::~QtSerialBackend() {
    port_.disconnect(this);
    port_.close();
}

bool QtSerialBackend::Open(const QString& path, const LineSettings& settings, FlowControl flow, QString* error) {
    if (port_.isOpen()) port_.close();
    lost_ = false;
    port_.setPortName(path);
    Apply(settings, flow);  // stored now, applied by open()
    if (!port_.open(QIODevice::ReadWrite)) {
        if (error) *error = port_.errorString();
        port_.clearError();
        return false;
    }
    // USB adapters would otherwise hold each reply back for their latency timer. A device
    // that refuses (a pseudo-terminal) works as it is.
    LowLatency::Request(static_cast<int>(port_.handle()));
    // DTR goes up on open: cable adapters may draw their power from it. Pseudo-terminals
    // have no modem lines: that failure is harmless.
    port_.setDataTerminalReady(true);
    port_.clearError();
    return true;
}

void QtSerialBackend::Close() {
    port_.close();
    port_.clearError();
}

bool QtSerialBackend::IsOpen() const {
    return port_.isOpen();
}

bool QtSerialBackend::Apply(const LineSettings& settings, FlowControl flow) {
    const bool ok = port_.setBaudRate(settings.baud) &&
                    port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                    port_.setParity(ToQt(settings.parity)) && port_.setStopBits(ToQt(settings.stopBits)) &&
                    port_.setFlowControl(ToQt(flow));
    port_.clearError();
    return ok;
}

bool QtSerialBackend::Write(const QByteArray& data) {
    if (!port_.isOpen()) return false;
    return port_.write(data) == data.size();
}

int QtSerialBackend::PendingOutput() const {
    return port_.isOpen() ? static_cast<int>(port_.bytesToWrite()) : 0;
}

void QtSerialBackend::DiscardOutput() {
    if (port_.isOpen()) port_.clear(QSerialPort::Output);
    port_.clearError();
}

void QtSerialBackend::DiscardInput() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();  // what QSerialPort had already taken from the device
    port_.clearError();
}

void QtSerialBackend::OnReadyRead() {
    const QByteArray data = port_.readAll();
    if (!data.isEmpty()) emit bytesArrived(data);
}

void QtSerialBackend::OnError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        ReportLost(port_.errorString());
        break;
    default:
        break;  // failed optional requests (modem lines on a pty) and errors Open() reports itself
    }
}

void QtSerialBackend::ReportLost(const QString& message) {
    if (lost_ || !port_.isOpen()) return;
    lost_ = true;
    port_.close();
    // Announced from the event loop: a receiver may delete this backend, which must not
    // happen inside QSerialPort's own signal.
    QMetaObject::invokeMethod(this, [this, message] { emit fatalError(message); }, Qt::QueuedConnection);
}
