#pragma once
// The optional-features editor, made known to the main window by name.

// Registers "FrmOptFeatures" with the form registry. The program's main calls it once
// before the main window opens.
void RegisterOptFeatureForms();
