#include "link/widgets/ProgressWindows.h"

#include "link/widgets/FrmProgress.h"
#include "link/widgets/frmMProgress.h"

namespace ProgressWindows {

void SetProgressValue(int percent, bool groupWrite) {
    if (groupWrite) {
        if (frmMProgress* form = frmMProgress::Loaded()) form->ShowPercent(percent);
        return;
    }
    FrmProgress* form = FrmProgress::Loaded();
    if (form && form->isVisible()) form->ShowPercent(percent);
}

void SetProgressRadio(int radiosDone) {
    if (frmMProgress* form = frmMProgress::Loaded()) form->ShowRadio(radiosDone);
}

void SetProgressCaption(const QString& caption) {
    if (FrmProgress* form = FrmProgress::Loaded()) form->setWindowTitle(caption);
}

void UnloadProgressWindow(bool groupWrite) {
    if (groupWrite) {
        if (frmMProgress* form = frmMProgress::Loaded()) form->Unload();
    } else if (FrmProgress* form = FrmProgress::Loaded()) {
        form->Unload();
    }
}

}  // namespace ProgressWindows
