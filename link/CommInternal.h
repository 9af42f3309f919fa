#pragma once
// Shared by the link's own modules only: the reply time-out switch, the handshake, opening the
// port with given values, the link's questions, and the end of a transfer whose port has gone.
#include "platform/MessageBox.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>

namespace ModComm::Internal {

void WaitTimerOn();   // (re)starts the reply time-out
void WaitTimerOff();

// SendFrame without the log line.
void Transmit(const QByteArray& frame, int expectLen);

// Arms the reply time-out and sends the handshake ("PROGRAM", whose answer is 3 bytes). A
// CommType among readTypes awaits it in ReadState, one among writeTypes in WriteState; any
// other is no transfer and is cleared. logged: the frame is logged as a transfer's frames are.
void StartHandshake(std::initializer_list<int> readTypes, std::initializer_list<int> writeTypes, bool logged);

// Closes MSComm1 if open, then opens port with the handshaking and "9600,N,8,<stopBits>",
// binary input, whole buffer, threshold 1. False at the first step the control refuses.
bool OpenPort(int port, int handshaking, int stopBits);

// A question of the link. While it is up, replies are logged and dropped and a lost port
// only leaves a mark: the answer decides what happens next.
MsgBox::Result Ask(const QString& prompt, int style);
bool IsAsking();

// Set when MSComm1 reported its port gone; cleared by opening the port again.
void SetPortLost(bool lost);

// To be called when an answer comes back: true when the transfer is over (ended
// meanwhile, or ended now because its port is closed); the caller then stops.
bool EndIfTransferGone();
// Ends the running transfer whose port is closed, telling the user when it was lost.
void EndForClosedPort();

}  // namespace ModComm::Internal
