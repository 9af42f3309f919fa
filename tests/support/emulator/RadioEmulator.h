#pragma once
// The radio's side of the programming link, served from its own memory image of 0x6600
// bytes, with fault injection for tests.
//
// Frames it understands (bytes may arrive split or run together in any way):
//   "PROGRAM"                       -> "ZR" 0x06, starts a programming session
//   0x02                            -> 'I', model (7), 0x00, firmware version (4), 0x00 x3
//   'R' hi lo len                   -> 'W' hi lo len data[len] sum 0x06
//   'W' hi lo len data[len] sum 0x06 -> stores data, 0x06 (wrong sum or ending: no answer)
//   "END"                           -> 0x06, ends the session
// sum = (hi + lo + len + data bytes) mod 256. Outside a session (before "PROGRAM", after
// "END") only "PROGRAM" is answered. A block that would reach beyond the image is not
// answered. Bytes that start no frame are skipped; a partial frame left incomplete for
// longer than the inter-byte time-out (SetInterByteTimeoutMs, 100 ms by default) is thrown
// away when the next bytes come.
//
// In process:  InProcessSerialLine line; ComPorts::RegisterInProcessLine(3, &line);
//              RadioEmulator radio; radio.Attach(&line);   // MSComm on COM3 talks to it
// Over a pty:  RadioEmulatorPty pty(&radio); pty.Open(); -> pty.SlavePath() is the device
//              (ZR7310N_COM3=<that path> makes it COM3).
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSet>
#include "tests/support/emulator/NsTimer.h"

#include <deque>
#include <functional>
#include <memory>

class InProcessSerialBackend;
class InProcessSerialLine;
class SerialBackend;

// Faults, each for the replies or blocks given. Replies are numbered 1, 2, 3, ... in the
// order the radio makes them (since construction or ResetCounters()), dropped ones
// included; frames that get no answer have no number.
struct RadioEmulatorFaults {
    QSet<int> dropReplies;         // never sent
    QSet<int> badChecksumReplies;  // block replies: checksum one too high; other replies unchanged
    QSet<int> splitReplies;        // sent in two writes (halves), SplitGapMs apart; a 1-byte reply stays whole
    int splitGapMs = 20;
    QSet<int> extraByteReplies;    // one byte (extraByte) appended
    char extraByte = 0x00;
    int silentFromBlock = 0;       // from the Nth block frame ('R' or 'W', counted from 1) on, nothing
                                   // is answered or stored any more; 0 = never
    bool noEndAck = false;         // "END" ends the session without an answer
};

class RadioEmulator : public QObject {
    Q_OBJECT
public:
    static constexpr int kImageSize = 0x6600;
    // 9600 baud, 8N1: ten bits a byte.
    static constexpr qint64 kByteNs = 10LL * 1000000000LL / 9600;

    struct Counters {
        int framesSeen = 0;     // complete frames of any kind
        int programFrames = 0;
        int identRequests = 0;
        int blocksRead = 0;     // read requests served (reply made)
        int blocksWritten = 0;  // write blocks stored
        int endFrames = 0;
        int badFrames = 0;      // wrong sum or ending, beyond the image, outside a session
        int junkBytes = 0;      // bytes that started no frame, stale partial frames
        int replies = 0;        // replies made, dropped ones included
    };

    explicit RadioEmulator(QObject* parent = nullptr);
    ~RadioEmulator() override;

    // 0x0000-0x5F1F 0xFF (empty channel slots), the rest 0x00 (no channel present).
    static QByteArray DefaultImage();
    QByteArray Image() const { return image_; }
    bool SetImage(const QByteArray& image);  // false unless exactly kImageSize bytes
    bool LoadImageFile(const QString& path, QString* error);
    bool SaveImageFile(const QString& path, QString* error) const;

    // Identity texts, cut or NUL-padded to 7 and 4 bytes. Defaults "ZR73103" and "V200".
    void SetModel(const QByteArray& model) { model_ = model; }
    void SetFirmwareVersion(const QByteArray& version) { firmware_ = version; }
    QByteArray IdentityReply() const;

    void SetFaults(const RadioEmulatorFaults& faults);
    // Replies go out byte by byte at 9600 baud 8N1, after the frame they answer has had its
    // own time on the wire. Off by default: replies are written at once.
    void SetPacing(bool on) { pacing_ = on; }
    void SetInterByteTimeoutMs(int ms) { interByteTimeoutMs_ = ms; }

    // The time source in nanoseconds; by default a steady clock. Tests of the pacing give
    // a clock of their own and call SendDue() themselves.
    void SetClock(std::function<qint64()> clock) { clock_ = std::move(clock); }
    // Writes whatever is due by now (one write per run of bytes up to a split) and sets
    // the timer for the rest; the timer runs it by itself.
    void SendDue();

    Counters GetCounters() const { return counters_; }
    void ResetCounters();
    bool InSession() const { return inSession_; }
    bool IsSending() const { return !out_.empty(); }

    // Where replies go. Attach() variants set it; a bare writer suits other transports.
    void SetWriter(std::function<void(const QByteArray&)> writer) { writer_ = std::move(writer); }
    // Opens the device end of line and serves on it. False when that end is already open.
    bool Attach(InProcessSerialLine* line);
    // Serves on an open backend that stays the caller's.
    void Attach(SerialBackend* port);
    void Detach();

public slots:
    // Bytes from the program.
    void Receive(const QByteArray& data);

signals:
    void frameSeen(const QByteArray& frame);

private:
    struct OutByte {
        char byte;
        qint64 due;
        bool endsWrite;
    };
    int FrameLength() const;
    void Consume(int count);
    void HandleFrame(const QByteArray& frame);
    void HandleBlockFrame(const QByteArray& frame);
    void HandleRead(int addr, int len);
    void HandleWrite(const QByteArray& frame, int addr, int len);
    void Reply(QByteArray reply, bool isBlock);
    void Queue(const QByteArray& reply, int splitAt);
    qint64 Now() const { return clock_(); }

    QByteArray image_;
    QByteArray model_ = "ZR73103";
    QByteArray firmware_ = "V200";
    RadioEmulatorFaults faults_;
    bool pacing_ = false;
    int interByteTimeoutMs_ = 100;
    Counters counters_;
    int blockFrames_ = 0;
    bool silent_ = false;
    bool inSession_ = false;

    QByteArray in_;
    std::deque<qint64> inDoneAt_;  // for each byte of in_: when it was through on the wire
    qint64 lastArrival_ = 0;
    qint64 lineFreeAt_ = 0;        // when the last byte received so far was through
    qint64 frameDoneAt_ = 0;       // the same for the frame being handled
    qint64 lastOutDue_ = 0;
    std::deque<OutByte> out_;
    QElapsedTimer steady_;
    std::function<qint64()> clock_;
    NsTimer sendTimer_;

    std::function<void(const QByteArray&)> writer_;
    std::unique_ptr<InProcessSerialBackend> ownPort_;
    QPointer<SerialBackend> port_;
};
