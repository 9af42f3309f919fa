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

    // The serial port belongs to the radio link's part of the main window.
    void CloseCommPort() override {}

private:
    frmMain& main_;
};
