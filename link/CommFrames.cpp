// Opening the port, the frames the program sends, the replies it accepts and the receive
// event.
#include "link/CommInternal.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "link/ModTestComm.h"

#include "core/Log.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/lang/ModMsg.h"
#include "platform/serial/MSComm.h"

#include <optional>
#include <utility>

namespace ModComm {

namespace {

constexpr char kAck = 0x06;
constexpr char kIdentRequest = 0x02;
constexpr int kIdentLength = 16;

int ByteAt(const QByteArray& bytes, qsizetype i) { return static_cast<quint8>(bytes[i]); }

// The block at CurAddr lies wholly inside the image and its length fits the length byte.
bool BlockFits() {
    using namespace Link;
    return BlockLen >= 1 && BlockLen <= 255 && CurAddr >= 0 &&
           static_cast<std::size_t>(CurAddr) + static_cast<std::size_t>(BlockLen) <= kImageEnd;
}

QByteArray BlockHeader(char command) {
    QByteArray frame;
    frame += command;
    frame += static_cast<char>((Link::CurAddr >> 8) & 0xFF);
    frame += static_cast<char>(Link::CurAddr & 0xFF);
    frame += static_cast<char>(Link::BlockLen);
    return frame;
}

// False (and the step taken care of) when no block is to be sent at CurAddr.
bool BlockDue() {
    if (Link::CurAddr >= Link::ImageEnd) {
        EnterEndState();
        return false;
    }
    if (!BlockFits()) {  // only possible with transfer variables no open step has set
        EndComm(false);
        return false;
    }
    return true;
}

void SendReadRequest() {
    if (!BlockDue()) return;
    Internal::WaitTimerOn();
    SendFrame(BlockHeader('R'), Link::BlockLen + 6);
}

void SendWriteBlock() {
    if (!BlockDue()) return;
    QByteArray frame = BlockHeader('W');
    const auto* data = Link::RadioImage.data() + Link::CurAddr;
    frame.append(reinterpret_cast<const char*>(data), Link::BlockLen);
    frame.append(2, '\0');
    SetChecksum(frame, 1, 1);
    frame[frame.size() - 1] = kAck;
    ShowCommProgress();
    Internal::WaitTimerOn();
    SendFrame(frame, 1);
}

// A reply is only looked at while the state machine waits for one: not before the first
// frame of a transfer (a stray byte during the confirmation question would otherwise end
// the transfer before its progress window opens), not while idle, not while a question of
// the link is up.
bool ReplyAwaited() {
    return Prog::CommType != 0 && (Prog::ReadState != 0 || Prog::WriteState != 0) && !Internal::IsAsking();
}

void HandleSearchReply(const QByteArray& reply) {
    if (IsAck(reply) || IsProgramAck(reply)) {
        ModTestComm::TestCommOnComm();
    } else if (IsIdentReply(reply)) {
        ParseIdentReply(reply);
        ModTestComm::TestCommOnComm();
    }
}

void HandleReply(const QByteArray& reply) {
    if (IsAck(reply) || IsProgramAck(reply)) {
        DoCommNextStep();
    } else if (IsIdentReply(reply)) {
        if (Prog::CommType < 3 || Prog::CommType == 6) ParseIdentReply(reply);
        DoCommNextStep();
    } else if (IsReadBlockReply(reply)) {
        StoreReadBlock(reply);
        DoCommNextStep();
    }
    // Anything else is dropped; the pending time-out deals with the missing answer.
}

void OnPortLost() {
    Internal::SetPortLost(true);
    // Before the first frame and while a question is up the transfer ends at the next
    // time-out or answer, where the closed port is noticed.
    if (!ReplyAwaited()) return;
    Internal::EndForClosedPort();
}

}  // namespace

namespace Internal {

bool OpenPort(int port, int handshaking, int stopBits) {
    MSComm& comm = MSComm1();
    if (comm.PortOpen() && !comm.SetPortOpen(false)) return false;
    SetPortLost(false);
    return comm.SetCommPort(port) && comm.SetHandshaking(handshaking) &&
           comm.SetSettings(QStringLiteral("9600,N,8,") + QString::number(stopBits)) &&
           comm.SetInputMode(MSComm::comInputModeBinary) && comm.SetInputLen(0) && comm.SetRThreshold(1) &&
           comm.SetPortOpen(true);
}

}  // namespace Internal

bool OpenCommPort() {
    using namespace Link;
    switch (Prog::CommType) {
    case 1:
    case 2:
        ImageEnd = static_cast<int16>(kImageEnd);
        BlockLen = 16;
        CurAddr = -16;  // the first block step adds 16
        break;
    case 3:  // radio information: the first block is 0x1F00
        ImageEnd = static_cast<int16>(kImageEnd);
        BlockLen = 16;
        CurAddr = 7920;
        break;
    default:
        break;
    }
    ProgramRetries.fill(0);
    BlockRetries.fill(0);
    LastPercent = 0;
    PollNextRadio = 0;
    PollCount = PollConfirm = 0;
    MultiFormShown = -1;
    if (Internal::OpenPort(Prog::ComPort, Prog::Handshaking, Prog::StopBit)) return true;
    // A port that did not open is always reported, whatever event the control last had. The
    // box stays short; the log keeps the system's reason (missing device, no permission).
    Log::WriteLog(QStringLiteral("串口错误"),
                  QStringLiteral("COM%1: %2").arg(Prog::ComPort).arg(MSComm1().LastErrorText()));
    MsgBox::Show(ModMsg::PortError.Text(), MsgBox::OKOnly + MsgBox::Critical);
    return false;
}

void SendFrame(const QByteArray& frame, int expectLen) {
    Log::WriteLog(QStringLiteral("发送数据"), Log::GetHexText(frame));
    Internal::Transmit(frame, expectLen);
}

void Internal::Transmit(const QByteArray& frame, int expectLen) {
    MSComm& comm = MSComm1();
    comm.SetRThreshold(expectLen);
    comm.SetOutBufferCount(0);
    comm.SetInBufferCount(0);
    comm.Output(frame);  // on a closed port this fails; the pending time-out ends the transfer
}

void SendIdentRequest() {
    Internal::WaitTimerOn();
    SendFrame(QByteArray(1, kIdentRequest), kIdentLength);
}

void SendEndFrame() {
    Internal::WaitTimerOn();
    SendFrame(QByteArrayLiteral("END"), 1);
}

void ReadCurBlock() { SendReadRequest(); }

void ReadNextBlock() {
    Link::CurAddr = static_cast<int16>(Link::CurAddr + Link::BlockLen);
    SendReadRequest();
}

void WriteCurBlock() { SendWriteBlock(); }

void WriteNextBlock() {
    Link::CurAddr = static_cast<int16>(Link::CurAddr + Link::BlockLen);
    SendWriteBlock();
}

// The checksum's place (the byte before the tail) and the 8-bit sum of the bytes from `from`
// up to it; nullopt for a frame too short to hold one.
std::optional<std::pair<qsizetype, quint8>> ChecksumOf(const QByteArray& frame, int from, int tailLen) {
    const qsizetype at = frame.size() - 1 - tailLen;
    if (from < 0 || at < 0) return std::nullopt;
    unsigned sum = 0;
    for (qsizetype i = from; i < at; ++i) sum += static_cast<quint8>(frame[i]);
    return std::make_pair(at, static_cast<quint8>(sum % 256));
}

void SetChecksum(QByteArray& frame, int from, int tailLen) {
    if (const auto c = ChecksumOf(frame, from, tailLen)) frame[c->first] = static_cast<char>(c->second);
}

bool CheckChecksum(const QByteArray& frame, int from, int tailLen) {
    const auto c = ChecksumOf(frame, from, tailLen);
    return c && ByteAt(frame, c->first) == c->second;
}

bool IsAck(const QByteArray& reply) { return reply.size() == 1 && reply[0] == kAck; }

bool IsProgramAck(const QByteArray& reply) { return reply == QByteArrayLiteral("ZR\x06"); }

bool IsIdentReply(const QByteArray& reply) { return reply.size() == kIdentLength && reply[0] == 'I'; }

bool IsExpectedBlock(int addr, int len) { return addr == Link::CurAddr && len == Link::BlockLen; }

bool IsReadBlockReply(const QByteArray& reply) {
    if (reply.isEmpty() || reply[0] != 'W' || reply.size() < 4) return false;
    const int len = ByteAt(reply, 3);
    const int addr = ByteAt(reply, 1) * 256 + ByteAt(reply, 2);
    if (!IsExpectedBlock(addr, len) || reply.size() != len + 6) return false;
    return reply[len + 5] == kAck && CheckChecksum(reply, 1, 1);
}

void ParseIdentReply(const QByteArray& reply) {
    Link::RadioModel = ModFun::TrimAtNull(QString::fromLatin1(reply.mid(1, 7)));
    Prog::RadioVersion = QString::fromLatin1(reply.mid(9, 4));
}

void StoreReadBlock(const QByteArray& reply) {
    if (!BlockFits() || reply.size() < 4 + Link::BlockLen) return;
    for (int i = 0; i < Link::BlockLen; ++i)
        Link::RadioImage[static_cast<std::size_t>(Link::CurAddr + i)] = static_cast<byte8>(reply[4 + i]);
    if (Prog::CommType < 3) ShowCommProgress();
}

void MSComm1_OnComm() {
    MSComm& comm = MSComm1();
    if (comm.CommEvent() == MSComm::comEventPortLost) {
        OnPortLost();
        return;
    }
    if (comm.CommEvent() != MSComm::comEvReceive) return;
    const QByteArray reply = comm.Input();
    Log::WriteLog(QStringLiteral("接收数据"), Log::GetHexText(reply));
    if (!ReplyAwaited()) return;
    if (Prog::CommType == 9) HandleSearchReply(reply);
    else HandleReply(reply);
}

int16 GetIntOrDefault(const QString& text, int16 def) { return ModFun::GetIntOrDefault(text, def); }

}  // namespace ModComm
