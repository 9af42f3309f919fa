#pragma once
// The windows of the channel editor, made known to the main window by name.

// Registers "frmCommChInfo" with the form registry. The program's main calls it once
// before the main window opens.
void RegisterChannelForms();
