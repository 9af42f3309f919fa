#pragma once
// The automatic port search: tries the candidate ports with every handshaking value and
// both stop-bit settings until a radio of the data's model answers, stores the settings
// that worked and goes on with the pending read or write. The program never starts it:
// it runs only while Prog::CommType is 9, and nothing sets that, the pending operation or
// the candidate list (the port dialog is the way to choose the port).
//
// The search recognises the radio by its handshake answer ("ZR" 06, with the receive
// threshold at its length) as the transfer does; a lone 06 is taken as well.
#include "core/Records.h"

#include <QString>

#include <array>

namespace ModTestComm {

constexpr int kMaxCandidates = 256;

struct SearchRec {
    int16 PendingCommType = 0;  // the operation to go on with: 1 read, 2 write
    std::array<int16, kMaxCandidates> Ports{};
    int16 PortCount = 0;
    int16 PortPos = 0;
    int16 TestPort = 0;  // the candidate being tried
    int16 TestHandshaking = 0;
    int16 TestStopBit = 1;
    int16 Found = 0;
    int16 HasFallback = 0;  // the first candidate that answered with another model
    int16 FallbackPort = 0;
    int16 FallbackHandshaking = 0;
    int16 FallbackStopBit = 1;
    QString ProgressCaption;  // FrmProgress's caption once the search is over
};
inline SearchRec Search;

// Opens MSComm1 with the given values; false (no message) when the control refuses.
bool TryOpenCommPort(int port, int handshaking, int stopBits);

void StartTestComm();    // "PROGRAM" on the candidate, not logged
void RestartTestComm();  // the same with the handshake count cleared
void TestCommOnComm();   // a reply the receive event accepted while CommType is 9
bool CheckTestModel();
void TestNextComm(bool advance);
void EndTestComm();
void SaveCommSet();

// The reply time-out while CommType is 9; false when the state has no action of its own.
bool TestCommTimeout();

}  // namespace ModTestComm
