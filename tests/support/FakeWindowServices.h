#pragma once
// Window services that record what the lower layers asked of the windows.
#include "core/WindowServices.h"

#include <QStringList>

class FakeWindowServices final : public WindowServices {
public:
    FakeWindowServices() { SetWindowServices(this); }
    ~FakeWindowServices() override { SetWindowServices(nullptr); }
    FakeWindowServices(const FakeWindowServices&) = delete;
    FakeWindowServices& operator=(const FakeWindowServices&) = delete;

    bool mainWindowLoaded = true;
    QStringList calls;  // in order, e.g. "SetMainCaption", "Arrange 0", "ReShowGrid 1"

    bool IsMainWindowLoaded() const override { return mainWindowLoaded; }
    void SetMainCaption() override { calls << QStringLiteral("SetMainCaption"); }
    void ChangeLanguage() override { calls << QStringLiteral("ChangeLanguage"); }
    void Arrange(int how) override { calls << QStringLiteral("Arrange %1").arg(how); }
    void UnloadChildForms() override { calls << QStringLiteral("UnloadChildForms"); }
    void UnloadForm(const QString& name) override { calls << QStringLiteral("UnloadForm ") + name; }
    void ShowChildForm(const QString& name) override { calls << QStringLiteral("ShowChildForm ") + name; }
    void ShowChannelEditor() override { calls << QStringLiteral("ShowChannelEditor"); }
    void ReShowGrid(int row) override { calls << QStringLiteral("ReShowGrid %1").arg(row); }
    void RefreshChannelRefs() override { calls << QStringLiteral("RefreshChannelRefs"); }
    void RefreshRBUse() override { calls << QStringLiteral("RefreshRBUse"); }
    bool endAllowed = true;
    bool PrepareToEnd() override {
        calls << QStringLiteral("PrepareToEnd");
        return endAllowed;
    }
    void CloseCommPort() override { calls << QStringLiteral("CloseCommPort"); }
    void SetProgressValue(int percent, bool group) override {
        calls << QStringLiteral("SetProgressValue %1%2").arg(percent).arg(group ? QStringLiteral(" group") : QString());
    }
    void SetProgressRadio(int radiosDone) override { calls << QStringLiteral("SetProgressRadio %1").arg(radiosDone); }
    void SetProgressCaption(const QString& caption) override { calls << QStringLiteral("SetProgressCaption ") + caption; }
    void UnloadProgressWindow(bool group) override {
        calls << (group ? QStringLiteral("UnloadProgressWindow group") : QStringLiteral("UnloadProgressWindow"));
    }
    void SetStatusPanelText(int panel, const QString& text) override {
        calls << QStringLiteral("SetStatusPanelText %1 ").arg(panel) + text;
    }
};
