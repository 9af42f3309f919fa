// The reply time-out and the two questions it leads to.
#include "link/CommInternal.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "link/ModTestComm.h"

#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModMsg.h"
#include "platform/serial/MSComm.h"

#include <cmath>

namespace ModComm {

namespace {

int g_asking = 0;
bool g_portLost = false;

// The handshake (step 0) or the identity request (step 1) went unanswered: the first time
// the frame goes out again, the next time the user is asked.
void StepTimeout(int step, void (*resend)()) {
    int16& count = Link::ProgramRetries[static_cast<std::size_t>(step)];
    if (count >= 1) {
        count = 0;
        AskRetryComm();
    } else {
        ++count;
        resend();
    }
}

void BlockTimeout() {
    using namespace Link;
    const long index = BlockLen > 0 ? std::lround(static_cast<double>(CurAddr) / BlockLen) : -1;
    if (index >= 0 && index <= kBlockRetryLast && BlockRetries[static_cast<std::size_t>(index)] > 0) {
        --BlockRetries[static_cast<std::size_t>(index)];
        if (Prog::CommType == 1) ReadCurBlock();
        else WriteCurBlock();
        return;
    }
    AskRestartComm();
}

// The time-out of a read (1) or a write (2) in its state; false when the table has no
// action for it.
bool TransferTimeout(int16 commType, int16 state) {
    if (state == 1) StepTimeout(0, &StartComm);
    else if (state == 3) StepTimeout(1, &SendIdentRequest);
    else if ((commType == 1 && state == 5) || (commType == 2 && state == 4)) BlockTimeout();
    else if (commType == 1 && (state == 21 || state == 22)) AskRestartComm();
    else if (state == 69) EndComm(true);  // a missing acknowledge of the end frame counts as success
    else return false;
    return true;
}

}  // namespace

namespace Internal {

MsgBox::Result Ask(const QString& prompt, int style) {
    ++g_asking;
    const MsgBox::Result answer = MsgBox::Show(prompt, style);
    --g_asking;
    return answer;
}

bool IsAsking() { return g_asking > 0; }

void SetPortLost(bool lost) { g_portLost = lost; }

void EndForClosedPort() {
    if (g_portLost) ModMsg::QueueMessage(ModMsg::PortError.Text());
    EndComm(false);
}

bool EndIfTransferGone() {
    if (Prog::CommType == 0) return true;
    if (MSComm1().PortOpen()) return false;
    EndForClosedPort();
    return true;
}

}  // namespace Internal

void WaitTimer_Timer() {
    Internal::WaitTimerOff();
    if (Prog::CommType == 0) return;
    if (!MSComm1().PortOpen()) {
        Internal::EndForClosedPort();
        return;
    }
    const int16 type = Prog::CommType;
    bool handled = false;
    if (type == 1) handled = TransferTimeout(type, Prog::ReadState);
    else if (type == 2) handled = TransferTimeout(type, Prog::WriteState);
    else if (type == 9) handled = ModTestComm::TestCommTimeout();
    // No action of its own (the end frame after a rejected identity, the radio-information
    // read, states nothing sets): the transfer ends as failed instead of staying open.
    if (!handled) EndComm(false);
}

void AskRestartComm() {
    const MsgBox::Result answer = Internal::Ask(ModMsg::RetryQuestion.Text(), MsgBox::OKCancel + MsgBox::Question);
    if (Internal::EndIfTransferGone()) return;
    if (answer != MsgBox::OK) {
        // MultiWrite stays set until EndComm has closed the group write's own window.
        EndComm(false);
        return;
    }
    using namespace Link;
    PollNextRadio = 0;
    ProgramRetries.fill(0);
    BlockRetries.fill(0);
    StartComm();
    CurAddr = static_cast<int16>(-BlockLen);
    Windows().SetProgressValue(0, Prog::MultiWrite != 0);
    LastPercent = 0;
}

void AskRetryComm() {
    const bool groupHandshake = Prog::MultiWrite && Prog::WriteState == 1;
    if (groupHandshake && !Prog::AskOnNoAnswer) {  // polling for the next radio: never ask
        if (Link::PollNextRadio) ++Link::PollCount;
        StartComm();
        return;
    }
    const MsgBox::Result answer = Internal::Ask(ModMsg::RetryQuestion.Text(), MsgBox::RetryCancel);
    if (Internal::EndIfTransferGone()) return;
    if (answer == MsgBox::Retry) {
        StartComm();
        return;
    }
    if (groupHandshake) Prog::AskOnNoAnswer = 0;
    EndComm(false);
}

}  // namespace ModComm
