// The radio commands of the main window. Each sets the operation, opens the port, asks the
// user and hands over to a modal progress window whose loading starts the transfer; the
// transfer's end closes that window, and the command returns.
//
// A command does nothing while a transfer runs: the progress window is modal, but the
// write's timer and the radio-information read (which has no window) could otherwise start
// a second transfer on the port of the first.
#include "shell/frmMain.h"

#include "core/ProgramData.h"
#include "core/lang/ModMsg.h"
#include "link/ModComm.h"
#include "link/ModCommFun.h"
#include "link/widgets/FrmComSet.h"
#include "link/widgets/FrmProgress.h"
#include "link/widgets/frmMProgress.h"
#include "platform/MessageBox.h"

#include <QTimer>

namespace {

bool TransferRunning() { return Prog::CommType != 0; }

// Opens the port for commType and asks question; false (port closed, nothing changed)
// when the port cannot be opened or the user declines.
bool OpenAndConfirm(int16 commType, const LangText& question) {
    if (!ModComm::PrepareTransfer(commType)) return false;
    if (MsgBox::Show(question.Text(), MsgBox::OKCancel + MsgBox::Question) != MsgBox::OK) {
        ModComm::AbandonTransfer();
        return false;
    }
    return true;
}

}  // namespace

void frmMain::BuildLinkTimers() {
    TimerWrite = new QTimer(this);
    TimerWrite->setObjectName(QStringLiteral("TimerWrite"));
    TimerWrite->setInterval(20);
    TimerWrite->setSingleShot(true);
    connect(TimerWrite, &QTimer::timeout, this, &frmMain::TimerWrite_Timer);
}

void frmMain::mnuReadFromRadio_Click() {
    if (TransferRunning() || !OpenAndConfirm(1, ModMsg::ReadQuestion)) return;
    ModComm::InitImage();
    FrmProgress::ShowModal(this);
    TakeBackKeyboard();
}

// Edits still open in the editors go into the working data first; the write itself starts
// once this menu event has finished.
void frmMain::mnuWriteToRadio_Click() {
    CommitPendingEdits();
    TimerWrite->start();
}

// The image is packed from the working data once the radio has identified itself.
void frmMain::TimerWrite_Timer() {
    TimerWrite->stop();
    if (TransferRunning() || !OpenAndConfirm(2, ModMsg::WriteQuestion)) return;
    ModComm::InitImage();
    FrmProgress::ShowModal(this);
    TakeBackKeyboard();
}

void frmMain::mnuMWriteToRadio_Click() {
    if (TransferRunning() || !OpenAndConfirm(2, ModMsg::WriteQuestion)) return;
    ModComm::InitImage();
    ModCommFun::PackImage();
    Prog::MultiWrite = -1;
    frmMProgress::ShowModal(this);
    TakeBackKeyboard();
}

// The progress window has closed and its modal loop has ended. A window manager does not
// always give the keyboard back by itself when a message box and the progress window go one
// right after the other; the main window takes it back (and with it the editor in front).
void frmMain::TakeBackKeyboard() {
    raise();
    activateWindow();
}

void frmMain::mnuComm_Click() { FrmComSet::ShowModal(this); }

// The handshake alone: the link ends the operation when the radio answers it.
void frmMain::mnuRadioInfo_Click() {
    if (TransferRunning() || !ModComm::PrepareTransfer(3)) return;
    ModComm::StartComm();
}

void frmMain::mnuEMG_Click() { ReadRMGDataFromRadio(); }

void frmMain::ReadRMGDataFromRadio() {
    if (TransferRunning() || !ModComm::PrepareTransfer(3)) return;
    ModComm::InitImage();
    ModComm::StartComm();
}
