#pragma once
// The roger-beep editor, made known to the main window by name.

// Registers "FrmToneTips" with the form registry. The program's main calls it once before
// the main window opens.
void RegisterRogerBeepForms();
