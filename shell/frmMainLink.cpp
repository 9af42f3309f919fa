// The radio commands of the main window. The serial link fills these handlers; until then
// the entries and buttons are in place and start nothing.
#include "shell/frmMain.h"

#include "link/widgets/FrmComSet.h"

void frmMain::mnuReadFromRadio_Click() {}
void frmMain::mnuWriteToRadio_Click() {}
void frmMain::mnuMWriteToRadio_Click() {}
void frmMain::mnuComm_Click() { FrmComSet::ShowModal(this); }
void frmMain::mnuRadioInfo_Click() {}
void frmMain::mnuEMG_Click() { ReadRMGDataFromRadio(); }
void frmMain::ReadRMGDataFromRadio() {}
