#pragma once
// What the serial control needs from a port: open it with line settings, write bytes,
// discard what is still queued, and hear about arriving bytes and about the port going
// away. QtSerialBackend drives a real port or a pseudo-terminal; InProcessSerialBackend
// is one end of an in-memory line for tests.
#include "platform/serial/SerialSettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class SerialBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialBackend() override = default;

    // Opens the device at path. On failure returns false and sets *error (may be null).
    virtual bool Open(const QString& path, const SerialSettings::LineSettings& settings,
                      SerialSettings::FlowControl flow, QString* error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Changes the line settings or flow control of an open port; false when the port
    // refuses them.
    virtual bool Apply(const SerialSettings::LineSettings& settings, SerialSettings::FlowControl flow) = 0;

    // Queues data for sending; false when the port cannot take it.
    virtual bool Write(const QByteArray& data) = 0;
    // Bytes written but not yet sent.
    virtual int PendingOutput() const = 0;
    virtual void DiscardOutput() = 0;
    // Drops bytes received by the device but not yet handed over with bytesArrived.
    virtual void DiscardInput() = 0;

signals:
    // Bytes received, delivered from the event loop, never from inside Write().
    void bytesArrived(const QByteArray& data);
    // The port is gone (device removed, other end of a pseudo-terminal closed). Emitted
    // once, from the event loop, after the backend has closed the port.
    void fatalError(const QString& message);
};
