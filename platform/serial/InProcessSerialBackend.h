#pragma once
// An in-memory serial line for tests: two ends, Host (where the program's serial control
// sits) and Device (where a radio emulator sits). Bytes written at one end reach the
// other end's backend from the event loop, never inside Write(), so a device can answer
// from its receive handler without re-entering the host.
//
// Wiring a test:
//   InProcessSerialLine line;
//   ComPorts::RegisterInProcessLine(3, &line);       // MSComm with CommPort 3 uses it
//   InProcessSerialBackend device(&line, InProcessSerialLine::Device);
//   device.Open({}, {}, {}, nullptr);                  // or RadioEmulator::Attach(&line)
#include "platform/serial/SerialBackend.h"

#include <QPointer>

class InProcessSerialBackend;

class InProcessSerialLine : public QObject {
    Q_OBJECT
public:
    enum End { Host = 0, Device = 1 };

    explicit InProcessSerialLine(QObject* parent = nullptr);
    ~InProcessSerialLine() override;

    // The device vanishes, like a USB adapter pulled out: the open host end loses its port
    // (fatalError, once), bytes under way are lost, and the host end cannot be opened again
    // until Plug(). The device end stays as it is.
    void Unplug();
    void Plug();

    bool IsOpen(End end) const { return attached_[end] != nullptr; }
    // No bytes under way in either direction: whatever was written is delivered or discarded.
    bool IsIdle() const { return queue_[Host].isEmpty() && queue_[Device].isEmpty(); }

private:
    friend class InProcessSerialBackend;
    bool Attach(End end, InProcessSerialBackend* backend, QString* error);
    void Detach(End end, InProcessSerialBackend* backend);
    void Send(End from, const QByteArray& data);
    int Pending(End towards) const { return static_cast<int>(queue_[towards].size()); }
    void Discard(End towards) { queue_[towards].clear(); }
    void Deliver(End towards);

    QPointer<InProcessSerialBackend> attached_[2];
    QByteArray queue_[2];
    bool deliveryScheduled_[2] = {false, false};
    bool plugged_ = true;
};

class InProcessSerialBackend : public SerialBackend {
    Q_OBJECT
public:
    // The line must outlive the backend, or the backend must be closed first.
    InProcessSerialBackend(InProcessSerialLine* line, InProcessSerialLine::End end, QObject* parent = nullptr);
    ~InProcessSerialBackend() override;

    // The path is ignored; fails when the end is already open or the line is unplugged.
    bool Open(const QString& path, const SerialSettings::LineSettings& settings, SerialSettings::FlowControl flow,
              QString* error) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool Apply(const SerialSettings::LineSettings& settings, SerialSettings::FlowControl flow) override;
    bool Write(const QByteArray& data) override;
    int PendingOutput() const override;
    void DiscardOutput() override;
    void DiscardInput() override;

private:
    friend class InProcessSerialLine;
    void Receive(const QByteArray& data);
    void Lose(const QString& message);
    InProcessSerialLine::End Other() const;

    QPointer<InProcessSerialLine> line_;
    InProcessSerialLine::End end_;
    bool open_ = false;
};
