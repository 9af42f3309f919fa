#include "tests/support/emulator/RadioEmulator.h"

#include "platform/serial/InProcessSerialBackend.h"

#include <QFile>

#include <algorithm>

namespace {

const QByteArray kProgram = QByteArrayLiteral("PROGRAM");
const QByteArray kEnd = QByteArrayLiteral("END");
constexpr char kAck = 0x06;
constexpr char kIdentRequest = 0x02;

QByteArray Fixed(const QByteArray& text, int size) {
    QByteArray out = text.left(size);
    out.append(QByteArray(size - out.size(), '\0'));
    return out;
}

// Sum of addrHi, addrLo, len and the data of a block frame.
quint8 BlockSum(const QByteArray& frame, int len) {
    unsigned sum = 0;
    for (int i = 1; i <= len + 3; ++i) sum += static_cast<quint8>(frame[i]);
    return static_cast<quint8>(sum & 0xFF);
}

// 0 while text could still become whole as more bytes come, -1 when it cannot.
int MatchWord(const QByteArray& buffer, const QByteArray& word) {
    const int n = static_cast<int>(std::min(buffer.size(), word.size()));
    if (buffer.left(n) != word.left(n)) return -1;
    return buffer.size() >= word.size() ? static_cast<int>(word.size()) : 0;
}

}  // namespace

RadioEmulator::RadioEmulator(QObject* parent) : QObject(parent), image_(DefaultImage()) {
    steady_.start();
    clock_ = [this] { return steady_.nsecsElapsed(); };
    connect(&sendTimer_, &NsTimer::timeout, this, &RadioEmulator::SendDue);
}

RadioEmulator::~RadioEmulator() {
    Detach();
}

QByteArray RadioEmulator::DefaultImage() {
    QByteArray image(kImageSize, '\0');
    std::fill(image.begin(), image.begin() + 0x5F20, '\xFF');
    return image;
}

bool RadioEmulator::SetImage(const QByteArray& image) {
    if (image.size() != kImageSize) return false;
    image_ = image;
    return true;
}

bool RadioEmulator::LoadImageFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray data = file.read(kImageSize + 1);
    if (!SetImage(data)) {
        if (error) *error = QStringLiteral("%1 holds %2 bytes, not %3").arg(path).arg(data.size()).arg(kImageSize);
        return false;
    }
    return true;
}

bool RadioEmulator::SaveImageFile(const QString& path, QString* error) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(image_) != image_.size()) {
        if (error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QByteArray RadioEmulator::IdentityReply() const {
    QByteArray reply(1, 'I');
    reply += Fixed(model_, 7);
    reply += '\0';
    reply += Fixed(firmware_, 4);
    reply += QByteArray(3, '\0');
    return reply;
}

void RadioEmulator::SetFaults(const RadioEmulatorFaults& faults) {
    faults_ = faults;
    silent_ = faults_.silentFromBlock > 0 && blockFrames_ >= faults_.silentFromBlock;
}

void RadioEmulator::ResetCounters() {
    counters_ = Counters{};
    blockFrames_ = 0;
    silent_ = false;
}

bool RadioEmulator::Attach(InProcessSerialLine* line) {
    Detach();
    auto port = std::make_unique<InProcessSerialBackend>(line, InProcessSerialLine::Device);
    if (!port->Open({}, {}, {}, nullptr)) return false;
    ownPort_ = std::move(port);
    Attach(ownPort_.get());
    return true;
}

void RadioEmulator::Attach(SerialBackend* port) {
    if (port_) port_->disconnect(this);
    port_ = port;
    connect(port, &SerialBackend::bytesArrived, this, &RadioEmulator::Receive);
    SetWriter([port = QPointer<SerialBackend>(port)](const QByteArray& data) {
        if (port) port->Write(data);
    });
}

void RadioEmulator::Detach() {
    if (port_) port_->disconnect(this);
    port_ = nullptr;
    writer_ = nullptr;
    ownPort_.reset();
    out_.clear();
    sendTimer_.Stop();
}

void RadioEmulator::Receive(const QByteArray& data) {
    const qint64 now = Now();
    if (!in_.isEmpty() && now - lastArrival_ > qint64(interByteTimeoutMs_) * 1000000) {
        counters_.junkBytes += static_cast<int>(in_.size());
        Consume(static_cast<int>(in_.size()));
    }
    lastArrival_ = now;
    // Bytes handed over together were sent together: the k-th is through k byte times
    // after the line is free.
    lineFreeAt_ = std::max(lineFreeAt_, now);
    for (qsizetype i = 0; i < data.size(); ++i) inDoneAt_.push_back(lineFreeAt_ += kByteNs);
    in_.append(data);
    while (!in_.isEmpty()) {
        const int length = FrameLength();
        if (length < 0) {
            ++counters_.junkBytes;
            Consume(1);
            continue;
        }
        if (length == 0 || in_.size() < length) break;
        const QByteArray frame = in_.left(length);
        frameDoneAt_ = inDoneAt_[length - 1];
        Consume(length);
        HandleFrame(frame);
    }
}

void RadioEmulator::Consume(int count) {
    in_.remove(0, count);
    inDoneAt_.erase(inDoneAt_.begin(), inDoneAt_.begin() + count);
}

// Length of the frame at the start of in_: -1 when in_[0] starts none, 0 while unknown.
int RadioEmulator::FrameLength() const {
    switch (in_[0]) {
    case 'P': return MatchWord(in_, kProgram);
    case 'E': return MatchWord(in_, kEnd);
    case kIdentRequest: return 1;
    case 'R': return 4;
    case 'W': return in_.size() < 4 ? 0 : static_cast<quint8>(in_[3]) + 6;
    default: return -1;
    }
}

void RadioEmulator::HandleFrame(const QByteArray& frame) {
    ++counters_.framesSeen;
    emit frameSeen(frame);
    const char kind = frame[0];
    if (kind == 'R' || kind == 'W') {
        ++blockFrames_;
        if (faults_.silentFromBlock > 0 && blockFrames_ >= faults_.silentFromBlock) silent_ = true;
    }
    if (silent_) return;
    if (kind == 'P') {
        ++counters_.programFrames;
        inSession_ = true;
        Reply(QByteArrayLiteral("ZR\x06"), false);
        return;
    }
    if (!inSession_) {
        ++counters_.badFrames;
        return;
    }
    if (kind == kIdentRequest) {
        ++counters_.identRequests;
        Reply(IdentityReply(), false);
    } else if (kind == 'E') {
        ++counters_.endFrames;
        inSession_ = false;
        if (!faults_.noEndAck) Reply(QByteArray(1, kAck), false);
    } else {
        HandleBlockFrame(frame);
    }
}

void RadioEmulator::HandleBlockFrame(const QByteArray& frame) {
    const int addr = static_cast<quint8>(frame[1]) * 256 + static_cast<quint8>(frame[2]);
    const int len = static_cast<quint8>(frame[3]);
    if (addr + len > kImageSize) {
        ++counters_.badFrames;
        return;
    }
    if (frame[0] == 'R') HandleRead(addr, len);
    else HandleWrite(frame, addr, len);
}

void RadioEmulator::HandleRead(int addr, int len) {
    QByteArray reply;
    reply += 'W';
    reply += static_cast<char>(addr >> 8);
    reply += static_cast<char>(addr & 0xFF);
    reply += static_cast<char>(len);
    ++counters_.blocksRead;
    reply += image_.mid(addr, len);
    reply += static_cast<char>(BlockSum(reply, len));
    reply += kAck;
    Reply(reply, true);
}

void RadioEmulator::HandleWrite(const QByteArray& frame, int addr, int len) {
    if (frame[len + 5] != kAck || static_cast<quint8>(frame[len + 4]) != BlockSum(frame, len)) {
        ++counters_.badFrames;
        return;
    }
    std::copy(frame.begin() + 4, frame.begin() + 4 + len, image_.begin() + addr);
    ++counters_.blocksWritten;
    Reply(QByteArray(1, kAck), false);
}

void RadioEmulator::Reply(QByteArray reply, bool isBlock) {
    const int number = ++counters_.replies;
    if (faults_.dropReplies.contains(number)) return;
    if (isBlock && faults_.badChecksumReplies.contains(number)) {
        const qsizetype at = reply.size() - 2;
        reply[at] = static_cast<char>(static_cast<quint8>(reply[at]) + 1);
    }
    if (faults_.extraByteReplies.contains(number)) reply += faults_.extraByte;
    const bool split = faults_.splitReplies.contains(number) && reply.size() > 1;
    Queue(reply, split ? static_cast<int>(reply.size() / 2) : 0);
}

// Gives each byte of reply the time it is due: at once, or (paced) when its ten bits are
// through, never before the frame it answers has fully arrived and never before the
// previous reply is out. With splitAt > 0 the bytes from splitAt on come splitGapMs later,
// in a write of their own.
void RadioEmulator::Queue(const QByteArray& reply, int splitAt) {
    qint64 start = std::max(Now(), lastOutDue_);
    if (pacing_) start = std::max(start, frameDoneAt_);
    const qint64 gap = splitAt > 0 ? qint64(faults_.splitGapMs) * 1000000 : 0;
    for (int i = 0; i < reply.size(); ++i) {
        qint64 due = pacing_ ? start + (i + 1) * kByteNs : start;
        if (splitAt > 0 && i >= splitAt) due += gap;
        const bool endsWrite = i == reply.size() - 1 || i == splitAt - 1;
        out_.push_back({reply[i], due, endsWrite});
        lastOutDue_ = due;
    }
    SendDue();
}

void RadioEmulator::SendDue() {
    sendTimer_.Stop();
    const qint64 now = Now();
    QByteArray chunk;
    while (!out_.empty() && out_.front().due <= now) {
        const OutByte b = out_.front();
        out_.pop_front();
        chunk += b.byte;
        if (b.endsWrite || out_.empty() || out_.front().due > now) {
            if (writer_) writer_(chunk);
            chunk.clear();
        }
    }
    if (out_.empty()) return;
    const qint64 waitNs = out_.front().due - now;
    sendTimer_.Start(waitNs);
}
