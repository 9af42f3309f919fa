#pragma once
// The weather-channel editor, made known to the main window by name.

// Registers "FrmTVCH" with the form registry. The program's main calls it once before the
// main window opens.
void RegisterWeatherForms();
