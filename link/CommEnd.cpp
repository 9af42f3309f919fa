// The end of a transfer, its progress display, and the command side of starting one.
#include "link/CommInternal.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "link/ModCommFun.h"

#include "core/ModFun.h"
#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModMsg.h"
#include "platform/serial/MSComm.h"

namespace ModComm {

namespace {

// Group write: the radio just written is done and more are to come.
void GoOnWithNextRadio() {
    using namespace Link;
    PollNextRadio = -1;
    PollCount = PollConfirm = 0;
    ProgramRetries.fill(0);
    BlockRetries.fill(0);
    CurAddr = static_cast<int16>(-BlockLen);
    StartComm();
    Windows().SetProgressValue(0, true);
    LastPercent = 0;
    Windows().SetProgressRadio(RadiosDone);
}

void CloseProgressWindow() {
    if (Prog::MultiWrite) {
        if (Link::MultiFormShown) {
            Link::MultiFormShown = 0;
            Windows().UnloadProgressWindow(true);
        }
    } else if (Prog::CommType < 3) {
        Windows().UnloadProgressWindow(false);
    }
}

// A completed read: the image becomes the working data, as new data without a file.
void TakeOverReadData() {
    ModFun::UnloadChildForms();
    ModCommFun::UnpackImage();
    Prog::DataFileName = QStringLiteral("new.dat");
    Prog::IsNewData = -1;
    Windows().SetMainCaption();
    Windows().ChangeLanguage();
    Windows().ShowChannelEditor();
    Windows().Arrange(0);
}

}  // namespace

void EndComm(bool ok) {
    if (Prog::MultiWrite && ok) {
        ++Link::RadiosDone;
        if (Link::RadioCount >= Link::RadiosDone) {
            GoOnWithNextRadio();
            return;
        }
    }
    Link::PollNextRadio = 0;
    Link::PollCount = Link::PollConfirm = 0;
    CloseProgressWindow();
    Internal::WaitTimerOff();
    CloseCommPort();
    ModFun::ShowQueuedMessages();
    const int16 type = Prog::CommType;
    if (ok && type == 1) TakeOverReadData();
    if (ok && (type == 1 || type == 2)) MsgBox::Show(ModMsg::TransferDone.Item(type), MsgBox::OKOnly);
    Prog::MultiWrite = 0;
    Prog::CommType = 0;
    Prog::ReadState = 0;
    Prog::WriteState = 0;
}

void ShowCommProgress() {
    if (Link::ImageEnd <= 0) return;
    // A quotient of two 16-bit numbers is a half in double exactly when it is one in fact,
    // so halves go to the even neighbour as they would in integer arithmetic.
    const auto percent = static_cast<long>(NumText::RoundHalfEven(Link::CurAddr * 100.0 / Link::ImageEnd));
    if (percent - Link::LastPercent < 1) return;  // the display only grows
    Link::LastPercent = static_cast<int16>(percent);
    Windows().SetProgressValue(static_cast<int>(percent), Prog::MultiWrite != 0);
}

bool PrepareTransfer(int16 commType) {
    Prog::CommType = commType;
    Prog::ReadState = 0;
    Prog::WriteState = 0;
    if (OpenCommPort()) return true;
    Prog::CommType = 0;
    return false;
}

void AbandonTransfer() {
    CloseCommPort();
    Prog::CommType = 0;
}

void CloseCommPort() {
    if (MSComm1().PortOpen()) MSComm1().SetPortOpen(false);
}

}  // namespace ModComm
