#pragma once
// What the radio link asks of the progress windows, for the window services of the program
// (and of tests) to pass on: each call reaches the progress window that is loaded, if any.
#include <QString>

namespace ProgressWindows {

// The percentage of the running transfer: frmMProgress in a group write, else FrmProgress
// while it is visible. A restart sets 0.
void SetProgressValue(int percent, bool groupWrite);
// frmMProgress: the radios written.
void SetProgressRadio(int radiosDone);
// FrmProgress's window caption.
void SetProgressCaption(const QString& caption);
// The end of the transfer closes its window.
void UnloadProgressWindow(bool groupWrite);

}  // namespace ProgressWindows
