#pragma once
// A serial device (real port or pseudo-terminal) through QSerialPort.
//
// A read, write or resource error means the device is gone: the port is closed at once
// and fatalError is emitted once (QSerialPort would otherwise repeat the error for as long
// as the port stays open). Errors of optional requests such as setting DTR on a
// pseudo-terminal are ignored; so is a driver's refusal of the low-latency delivery that
// Open() asks for (LowLatency.h).
#include "platform/serial/SerialBackend.h"

#include <QSerialPort>

class QtSerialBackend : public SerialBackend {
    Q_OBJECT
public:
    explicit QtSerialBackend(QObject* parent = nullptr);
    ~QtSerialBackend() override;

    bool Open(const QString& path, const SerialSettings::LineSettings& settings, SerialSettings::FlowControl flow,
              QString* error) override;
    void Close() override;
    bool IsOpen() const override;
    bool Apply(const SerialSettings::LineSettings& settings, SerialSettings::FlowControl flow) override;
    bool Write(const QByteArray& data) override;
    int PendingOutput() const override;
    void DiscardOutput() override;
    void DiscardInput() override;

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void ReportLost(const QString& message);

    QSerialPort port_;
    bool lost_ = false;
};
