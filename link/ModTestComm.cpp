#include "link/ModTestComm.h"

#include "link/CommInternal.h"
#include "link/LinkData.h"
#include "link/ModComm.h"

#include "core/ModFun.h"
#include "core/ModVersion.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModEnglish.h"
#include "platform/ProfileIni.h"

#include <algorithm>

namespace ModTestComm {

namespace {

int CandidateCount() { return std::clamp<int>(Search.PortCount, 0, kMaxCandidates); }

void SetPendingState(int16 state) {
    if (Search.PendingCommType == 2) Prog::WriteState = state;
    else Prog::ReadState = state;
}

}  // namespace

bool TryOpenCommPort(int port, int handshaking, int stopBits) {
    return ModComm::Internal::OpenPort(port, handshaking, stopBits);
}

void StartTestComm() { ModComm::Internal::StartHandshake({1, 3, 9}, {2}, /*logged=*/false); }

void RestartTestComm() {
    Link::ProgramRetries[0] = 0;
    StartTestComm();
}

void TestCommOnComm() {
    ModComm::Internal::WaitTimerOff();
    if (Prog::CommType != 9) return;
    if (Prog::ReadState == 1) {
        Prog::ReadState = 3;
        ModComm::SendIdentRequest();
        return;
    }
    if (Prog::ReadState != 3) return;
    if (!CheckTestModel()) {
        TestNextComm(true);
        return;
    }
    SetPendingState(3);
    Prog::CommType = Search.PendingCommType;
    Prog::ComPort = Search.TestPort;
    Prog::Handshaking = Search.TestHandshaking;
    Prog::StopBit = Search.TestStopBit;
    Search.Found = -1;
    SaveCommSet();
    Windows().SetProgressCaption(Search.ProgressCaption);
    ModComm::DoCommNextStep();  // as if the transfer's own identity request had been answered
}

bool CheckTestModel() {
    ModComm::Internal::WaitTimerOff();
    if (ModFun::TrimAtNull(Prog::SoftModel) == ModFun::TrimAtNull(Link::RadioModel)) return true;
    if (!Search.HasFallback) {
        Search.HasFallback = -1;
        Search.FallbackPort = Search.TestPort;
        Search.FallbackHandshaking = Search.TestHandshaking;
        Search.FallbackStopBit = Search.TestStopBit;
    }
    return false;
}

// Candidates: handshaking 0..3 innermost, then stop bits 1..2, then the ports in list order.
void TestNextComm(bool advance) {
    const int count = CandidateCount();
    if (advance && ++Search.TestHandshaking > 3) {
        Search.TestHandshaking = 0;
        if (++Search.TestStopBit > 2) {
            Search.TestStopBit = 1;
            if (++Search.PortPos >= count) {
                EndTestComm();
                return;
            }
        }
    }
    while (Search.PortPos >= 0 && Search.PortPos < count) {
        Search.TestPort = Search.Ports[static_cast<std::size_t>(Search.PortPos)];
        if (TryOpenCommPort(Search.TestPort, Search.TestHandshaking, Search.TestStopBit)) {
            RestartTestComm();
            return;
        }
        ++Search.PortPos;
        Search.TestHandshaking = 0;
        Search.TestStopBit = 1;
    }
    EndTestComm();
}

void EndTestComm() {
    Prog::CommType = Search.PendingCommType;
    Search.Found = 0;
    Windows().SetProgressCaption(Search.ProgressCaption);
    if (Search.HasFallback) {
        Prog::ComPort = Search.FallbackPort;
        Prog::Handshaking = Search.FallbackHandshaking;
        Prog::StopBit = Search.FallbackStopBit;
        SetPendingState(1);
        SaveCommSet();
        if (TryOpenCommPort(Search.FallbackPort, Search.FallbackHandshaking, Search.FallbackStopBit)) {
            ModComm::StartComm();
            return;
        }
    }
    ModComm::AskRestartComm();
}

void SaveCommSet() {
    const QString path = ModVersion::SetupIniPath();
    const QString section = QStringLiteral("language");
    ProfileIni::WritePrivateProfileString(section, QStringLiteral("comPort"), QString::number(Prog::ComPort), path);
    ProfileIni::WritePrivateProfileString(section, QStringLiteral("Handshaking"), QString::number(Prog::Handshaking), path);
    ProfileIni::WritePrivateProfileString(section, QStringLiteral("StopBit"), QString::number(Prog::StopBit), path);
    Windows().SetStatusPanelText(3, ModEnglish::Com.Text() + QString::number(Prog::ComPort));
}

bool TestCommTimeout() {
    if (Prog::ReadState == 1) {
        if (++Link::ProgramRetries[0] >= 3) TestNextComm(true);  // three handshakes per candidate
        else StartTestComm();
        return true;
    }
    if (Prog::ReadState == 2 || Prog::ReadState == 3) {
        TestNextComm(true);
        return true;
    }
    return false;
}

}  // namespace ModTestComm
