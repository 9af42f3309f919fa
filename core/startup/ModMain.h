#pragma once
// Start-up: everything the windows need before the main window appears.
#include <QString>

#include <functional>

namespace ModMain {

// Runs the start-up steps in order (version table, decimal separator, settings file,
// caption and message tables, defaults and template), then createMainWindow.
void Main(const std::function<void()>& createMainWindow);

// Reads and updates language/mysetup.ini of the installation root.
void LoadSetupIni();

}  // namespace ModMain
