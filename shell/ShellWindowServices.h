#pragma once
// What the core and the radio link ask of the windows, answered by the main window and its
// children. The main window registers it while it exists.
#include "core/WindowServices.h"

class frmMain;

class ShellWindowServices final : public WindowServices {
public:
    explicit ShellWindowServices(frmMain& main) : main_(main) {}

    bool IsMainWindowLoaded() const override { return true; }
    void SetMainCaption() override;
    void ChangeLanguage() override;
    void Arrange(int how) override;

    bool IsFormLoaded(const QString& formName) const override;
    void UnloadChildForms() override;
    void UnloadForm(const QString& formName) override;
    void ShowChildForm(const QString& formName) override;
    void ShowChannelEditor() override;

    void ReShowGrid(int row) override;
    void RefreshChannelRefs() override;
    void RefreshRBUse() override;

    bool PrepareToEnd() override;
    void CloseCommPort() override;

    void SetProgressValue(int percent, bool groupWrite) override;
    void SetProgressRadio(int radiosDone) override;
    void SetProgressCaption(const QString& caption) override;
    void UnloadProgressWindow(bool groupWrite) override;

    void SetStatusPanelText(int panel, const QString& text) override;

private:
    frmMain& main_;
};
