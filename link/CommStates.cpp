// The transfer's steps after each accepted reply, and the identity check.
#include "link/CommInternal.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "link/ModCommFun.h"

#include "core/ModFun.h"
#include "core/ModVersion.h"
#include "core/ProgramData.h"
#include "core/lang/ModMsg.h"

#include <algorithm>

namespace ModComm {

namespace {

void NextReadStep() {
    switch (Prog::ReadState) {
    case 1:
        Prog::ReadState = 3;
        SendIdentRequest();
        return;
    case 3:
        if (!CheckRadioIdent()) {
            Prog::ReadState = 70;
            SendEndFrame();
            return;
        }
        [[fallthrough]];
    case 5:
        Prog::ReadState = 5;
        ReadNextBlock();
        return;
    case 69:
        EndComm(true);
        return;
    default:
        EndComm(false);  // also ends a rejected read once the radio acknowledged its end frame
        return;
    }
}

// Group write, handshake answered. While the next radio is awaited, the answers of the
// radio just written keep the poll going; once it has been silent for two rounds of
// questions, a radio that answers twice more is taken as the next one.
void GroupHandshakeAnswered() {
    using namespace Link;
    if (Prog::AskOnNoAnswer) Prog::AskOnNoAnswer = 0;
    if (PollNextRadio) {
        if (PollCount > 1 && PollConfirm < 1) {
            ++PollConfirm;
        } else {
            if (PollCount > 1) PollNextRadio = 0;
            PollCount = 0;
            PollConfirm = 0;
        }
        StartComm();
        return;
    }
    Prog::WriteState = 3;
    SendIdentRequest();
}

void NextWriteStep() {
    switch (Prog::WriteState) {
    case 1:
        if (Prog::MultiWrite) {
            GroupHandshakeAnswered();
            return;
        }
        Prog::WriteState = 3;
        SendIdentRequest();
        return;
    case 3:
        ModCommFun::PackImage();
        if (Prog::MultiWrite || CheckRadioIdent()) {  // a group write takes any radio
            Prog::WriteState = 4;
            WriteNextBlock();
        } else {
            Prog::WriteState = 70;
            SendEndFrame();
        }
        return;
    case 4:
        WriteNextBlock();
        return;
    case 69:
        EndComm(true);
        return;
    default:
        EndComm(false);
        return;
    }
}

}  // namespace

void StartComm() { Internal::StartHandshake({1, 3, 6}, {2, 4}, /*logged=*/true); }

void Internal::StartHandshake(std::initializer_list<int> readTypes, std::initializer_list<int> writeTypes, bool logged) {
    const auto isIn = [](std::initializer_list<int> types) {
        return std::find(types.begin(), types.end(), Prog::CommType) != types.end();
    };
    if (isIn(readTypes)) {
        Prog::ReadState = 1;
        Prog::WriteState = 0;
    } else if (isIn(writeTypes)) {
        Prog::WriteState = 1;
        Prog::ReadState = 0;
    } else {
        Prog::CommType = 0;
        Prog::ReadState = Prog::WriteState = 0;
    }
    WaitTimerOn();
    const QByteArray handshake = QByteArrayLiteral("PROGRAM");
    if (logged) SendFrame(handshake, 3);
    else Transmit(handshake, 3);
}

void DoCommNextStep() {
    Internal::WaitTimerOff();
    switch (Prog::CommType) {
    case 1:
        NextReadStep();
        return;
    case 2:
        NextWriteStep();
        return;
    default:
        EndComm(false);  // the radio-information read ends with the handshake
        return;
    }
}

bool CheckRadioIdent() {
    Internal::WaitTimerOff();
    const QString softModel = ModFun::TrimAtNull(Prog::SoftModel);
    const bool modelOk = ModPubFun::IsStrEqual(softModel, Link::RadioModel) != 0;
    const bool versionOk = ModVerionMana::IsVersionMatch(ModVersion::kSoftVersion, Prog::RadioVersion) != 0;
    if (modelOk && versionOk) return true;
    if (!modelOk) {
        ModMsg::QueueMessage(ModMsg::ModelError.Text());
        return false;
    }
    const QString question = ModVerionMana::GetVersionErrMsg(ModVersion::kSoftVersion, Prog::RadioVersion, 0);
    if (Internal::Ask(question, MsgBox::YesNo) == MsgBox::Yes) ModVerionMana::StartVersionSoft(Prog::RadioVersion);
    return false;
}

void EnterEndState() {
    switch (Prog::CommType) {
    case 1:
    case 3:
    case 6:
        Prog::ReadState = 69;
        break;
    case 2:
    case 4:
        Prog::WriteState = 69;
        break;
    default:
        EndComm(false);
        return;
    }
    SendEndFrame();
}

}  // namespace ModComm
