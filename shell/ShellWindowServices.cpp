#include "shell/ShellWindowServices.h"

#include "shell/ChildForm.h"
#include "shell/frmMain.h"

#include "link/ModComm.h"
#include "link/widgets/ProgressWindows.h"

#include <QMdiSubWindow>

namespace {
const QString kChannelEditor = QStringLiteral("frmCommChInfo");
}

void ShellWindowServices::SetMainCaption() { main_.setWindowTitle(frmMain::MainCaption()); }

void ShellWindowServices::ChangeLanguage() { main_.Change_Language(); }

void ShellWindowServices::Arrange(int how) { main_.Arrange(how); }

bool ShellWindowServices::IsFormLoaded(const QString& formName) const {
    return formName == QLatin1String("frmMain") || main_.FindChildForm(formName) != nullptr;
}

void ShellWindowServices::UnloadChildForms() { main_.UnloadChildForms(); }

// A closed frame is no longer found, so this ends when none of that name is left open.
void ShellWindowServices::UnloadForm(const QString& formName) {
    while (ChildForm* form = main_.FindChildForm(formName)) {
        auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        if (!frame || !frame->close()) break;
    }
}

void ShellWindowServices::ShowChildForm(const QString& formName) { main_.ShowChildForm(formName); }

void ShellWindowServices::ShowChannelEditor() { main_.ShowChannelEditor(); }

void ShellWindowServices::ReShowGrid(int row) {
    if (ChildForm* editor = main_.FindChildForm(kChannelEditor)) editor->reShowGrid(row);
}

void ShellWindowServices::RefreshChannelRefs() {
    if (ChildForm* editor = main_.FindChildForm(kChannelEditor)) {
        editor->InitValidComboList();
        editor->ShowValidComboText();
    }
}

void ShellWindowServices::RefreshRBUse() {
    for (ChildForm* form : main_.ChildForms())
        if (form->HasShowRB()) form->ShowRB();
}

bool ShellWindowServices::PrepareToEnd() { return main_.MDIForm_Unload(); }

void ShellWindowServices::CloseCommPort() { ModComm::CloseCommPort(); }

void ShellWindowServices::SetProgressValue(int percent, bool groupWrite) {
    ProgressWindows::SetProgressValue(percent, groupWrite);
}

void ShellWindowServices::SetProgressRadio(int radiosDone) { ProgressWindows::SetProgressRadio(radiosDone); }

void ShellWindowServices::SetProgressCaption(const QString& caption) { ProgressWindows::SetProgressCaption(caption); }

void ShellWindowServices::UnloadProgressWindow(bool groupWrite) { ProgressWindows::UnloadProgressWindow(groupWrite); }

void ShellWindowServices::SetStatusPanelText(int panel, const QString& text) { main_.SetStatusPanelText(panel, text); }
