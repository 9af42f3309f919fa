#pragma once
// The serial control the link talks to the radio through: a port set up by properties, an
// input buffer and one receive event (OnComm). One object per serial port of a window;
// everything runs on the UI thread.
//
// Typical use (the link's open and send steps):
//   comm.SetCommPort(ComPort);  comm.SetHandshaking(Handshaking);
//   comm.SetSettings("9600,N,8,1");  comm.SetInputMode(MSComm::comInputModeBinary);
//   comm.SetInputLen(0);  comm.SetRThreshold(1);
//   if (!comm.SetPortOpen(true)) -> "Cannot Open Communication Port." (LastError() says why)
//   comm.SetRThreshold(expectLen);  comm.SetOutBufferCount(0);  comm.SetInBufferCount(0);
//   comm.Output(frame);
//   OnComm: if (comm.CommEvent() == MSComm::comEvReceive) reply = comm.Input();
//           if (comm.CommEvent() == MSComm::comEventPortLost) -> end the transfer
//
// Every setter and operation returns false (or an empty result) on failure and leaves the
// reason in LastError()/LastErrorText(); a successful call clears LastError().
//
// Receive event: received bytes are kept in the control's own input buffer (at most
// InBufferSize bytes; more are dropped and comEventRxOver follows). After each arrival of
// bytes from the port, if RThreshold > 0 and the buffer holds at least RThreshold bytes,
// CommEvent becomes comEvReceive and OnComm is emitted once - so one event per arrival
// that reaches or stays above the threshold, none while below it. Changing RThreshold
// raises nothing by itself; the next arrival is checked against the new value. Bytes
// that arrive while an OnComm handler is still running (a message box inside the handler)
// do not re-enter it: the check runs once more right after the handler returns.
//
// A port that goes away while open (device removed, other end of a pseudo-terminal
// closed): the control closes the port, discards both buffers, sets CommEvent to
// comEventPortLost and LastError() to PortLost, and emits OnComm once.
#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>

class SerialBackend;

class MSComm : public QObject {
    Q_OBJECT
public:
    // CommEvent values: fixed numbers that callers compare CommEvent() against.
    // comEventPortLost lies well apart from the receive and overrun events, so code that
    // tests for those never takes a lost port for one of them.
    enum CommEventValue : int { comEvReceive = 2, comEventRxOver = 1008, comEventPortLost = 1100 };
    enum InputModeValue : int { comInputModeText = 0, comInputModeBinary = 1 };
    enum class Error {
        None,
        InvalidPropertyValue,  // value out of range, settings text not understood
        NotWhileOpen,          // CommPort or InBufferSize changed while the port is open
        InvalidPortNumber,     // no device behind CommPort
        PortAlreadyOpen,       // PortOpen set to true while open
        PortOpenFailed,        // the device refused to open (missing, in use, no permission)
        PortNotOpen,           // Output, Input or a buffer count used while closed
        WriteFailed,
        PortLost,              // the open port went away
    };

    explicit MSComm(QObject* parent = nullptr);
    ~MSComm() override;

    int CommPort() const { return commPort_; }
    bool SetCommPort(int port);  // 1 .. 255, only while closed

    int Handshaking() const { return handshaking_; }
    bool SetHandshaking(int value);  // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both (as RTS/CTS)

    QString Settings() const { return settings_; }
    bool SetSettings(const QString& text);  // "baud,parity,data,stop", see SerialSettings::Parse

    int RThreshold() const { return rThreshold_; }
    bool SetRThreshold(int count);  // 0 = no receive event; negative is invalid

    int InputMode() const { return inputMode_; }
    bool SetInputMode(int mode);  // 0 text, 1 binary; Input() gives the bytes unchanged in both

    int InputLen() const { return inputLen_; }
    bool SetInputLen(int count);  // bytes Input() takes at most; 0 = all

    int InBufferSize() const { return inBufferSize_; }
    bool SetInBufferSize(int size);  // default 1024, only while closed

    bool PortOpen() const { return backend_ != nullptr; }
    // true opens CommPort with Handshaking and Settings, false closes (discarding both
    // buffers). Closing a closed port is not an error.
    bool SetPortOpen(bool open);

    int InBufferCount() const { return static_cast<int>(in_.size()); }
    bool SetInBufferCount(int count);  // only 0: discards every received byte
    int OutBufferCount() const;
    bool SetOutBufferCount(int count);  // only 0: discards bytes not yet sent

    bool Output(const QByteArray& data);
    // Removes and returns InputLen bytes (all when InputLen is 0 or more are asked than
    // there are); empty when nothing is buffered or the port is closed.
    QByteArray Input();

    int CommEvent() const { return commEvent_; }

    Error LastError() const { return lastError_; }
    QString LastErrorText() const { return lastErrorText_; }
    // The device the open port uses (for messages and logs); empty while closed.
    QString DevicePath() const { return devicePath_; }

signals:
    void OnComm();

private:
    bool Fail(Error error, const QString& text);
    bool Succeed();
    void OnBytesArrived(const QByteArray& data);
    void OnPortLost(const QString& message);
    void ReleaseBackend();
    void Raise(int event);
    bool ReceiveDue() const;

    int commPort_ = 1;
    int handshaking_ = 0;
    QString settings_ = QStringLiteral("9600,N,8,1");
    int rThreshold_ = 0;
    int inputMode_ = comInputModeText;
    int inputLen_ = 0;
    int inBufferSize_ = 1024;
    int commEvent_ = 0;
    QByteArray in_;
    SerialBackend* backend_ = nullptr;
    QString devicePath_;
    Error lastError_ = Error::None;
    QString lastErrorText_;
    bool inOnComm_ = false;
    std::deque<int> pendingEvents_;
};
