#pragma once
// The serial link with the radio: frames and replies, and the transfer state machine.
//
// The program is the master of a strict request/reply link: every step sends one frame
// through SendFrame (which logs it; the port search sends its "PROGRAM" handshake unlogged),
// arms the reply time-out and waits. An accepted reply (MSComm1_OnComm) runs DoCommNextStep,
// a missing one WaitTimer_Timer. A transfer that has started goes back to idle through
// EndComm; before it starts, AbandonTransfer and a failed PrepareTransfer return the link
// to idle.
//
// How a transfer command and the progress window drive it:
//   if (!ModComm::PrepareTransfer(1)) return;            // port error already shown
//   if (<confirmation declined>) { ModComm::AbandonTransfer(); return; }
//   ModComm::InitImage();
//   <show FrmProgress modally; its load runs ModComm::StartComm() when CommType is 1 or 2>
//   // EndComm closes the window through WindowServices::UnloadProgressWindow, the modal
//   // call returns, and Prog::CommType is 0 again.
//
// Frames and replies (addresses high byte first, sum = addrHi + addrLo + len + data, mod 256):
//   "PROGRAM"                         -> "ZR" 06
//   02                                -> 'I' model[7] - version[4] - - -   (16 bytes)
//   'R' hi lo len                     -> 'W' hi lo len data[len] sum 06
//   'W' hi lo len data[len] sum 06    -> 06
//   "END"                             -> 06
#include "core/Records.h"
#include "link/LinkPort.h"
#include "link/ModCommImage.h"

#include <QByteArray>
#include <QString>

namespace ModComm {

// --- Port and frames ----------------------------------------------------------------------

// Prepares the transfer variables for Prog::CommType and opens Prog::ComPort with
// "9600,N,8,<StopBit>". On failure shows "Cannot Open Communication Port." and returns false.
bool OpenCommPort();

// Logs the frame ("发送数据"), sets the receive threshold to expectLen, discards both
// buffers and sends it.
void SendFrame(const QByteArray& frame, int expectLen);

void SendIdentRequest();
void SendEndFrame();
// "Next" moves CurAddr on by BlockLen first; past ImageEnd the end frame goes out instead.
void ReadCurBlock();
void ReadNextBlock();
void WriteCurBlock();
void WriteNextBlock();

// frame[last - tailLen] := sum of frame[from .. last - tailLen - 1] mod 256, where last is
// the frame's last index.
void SetChecksum(QByteArray& frame, int from, int tailLen);
bool CheckChecksum(const QByteArray& frame, int from, int tailLen);

bool IsAck(const QByteArray& reply);
bool IsProgramAck(const QByteArray& reply);
bool IsIdentReply(const QByteArray& reply);
bool IsReadBlockReply(const QByteArray& reply);
bool IsExpectedBlock(int addr, int len);

// RadioModel := bytes 1..7 cut at the first NUL; Prog::RadioVersion := bytes 9..12.
void ParseIdentReply(const QByteArray& reply);
// The data of a read block into RadioImage at CurAddr; then the progress of a read.
void StoreReadBlock(const QByteArray& reply);

// MSComm1's receive event.
void MSComm1_OnComm();

int16 GetIntOrDefault(const QString& text, int16 def);

// --- Transfer state machine ---------------------------------------------------------------

void StartComm();  // (re)starts at the handshake
void DoCommNextStep();
void WaitTimer_Timer();
bool CheckRadioIdent();
void EnterEndState();
void AskRestartComm();  // a block went unanswered: OK starts the whole transfer again
void AskRetryComm();    // the handshake or the identity went unanswered twice
void EndComm(bool ok);
void ShowCommProgress();

// --- The command side ---------------------------------------------------------------------

// CommType := commType, its state := 0, OpenCommPort. False (CommType back to 0) when the
// port cannot be opened; the message has been shown.
bool PrepareTransfer(int16 commType);
// The user declined the confirmation: port closed, CommType 0; nothing else changes.
void AbandonTransfer();
// Closes MSComm1 (WindowServices::CloseCommPort, before handing over to another version).
void CloseCommPort();

}  // namespace ModComm
