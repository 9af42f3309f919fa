#pragma once
// A main window for the channel editor in tests and screenshots: a QMainWindow with an MDI
// area, and window services that pass the channel-list logic's calls on to the open editor
// the way the program's main window does.
#include "channels/ChannelForms.h"
#include "channels/frmCommChInfo.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "shell/ChildForm.h"
#include "shell/FormRegistry.h"
#include "shell/frmMain.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

class ChannelEditorHost final : public WindowServices {
public:
    ChannelEditorHost() {
        main.setCentralWidget(area);
        main.resize(1000, 740);
        SetWindowServices(this);
        RegisterChannelForms();
    }
    ~ChannelEditorHost() override {
        area->closeAllSubWindows();
        SetWindowServices(nullptr);
    }
    ChannelEditorHost(const ChannelEditorHost&) = delete;
    ChannelEditorHost& operator=(const ChannelEditorHost&) = delete;

    // Opens the editor as the main window does: created by name, shown as an MDI child.
    frmCommChInfo* Open() {
        auto* form = static_cast<frmCommChInfo*>(FormRegistry::Create(QStringLiteral("frmCommChInfo")));
        QMdiSubWindow* sub = area->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        main.show();
        sub->show();
        return form;
    }

    frmCommChInfo* Form() const {
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* form = qobject_cast<frmCommChInfo*>(sub->widget())) return form;
        return nullptr;
    }

    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    QStringList calls;

    bool IsMainWindowLoaded() const override { return true; }
    void SetMainCaption() override {
        calls << QStringLiteral("SetMainCaption");
        main.setWindowTitle(frmMain::MainCaption());
    }
    bool IsFormLoaded(const QString& name) const override { return name == QLatin1String("frmCommChInfo") && Form(); }
    void ReShowGrid(int row) override {
        calls << QStringLiteral("ReShowGrid %1").arg(row);
        if (frmCommChInfo* form = Form()) form->reShowGrid(row);
    }
    // As the main window does: ShowRB on every loaded child that has it.
    void RefreshRBUse() override {
        calls << QStringLiteral("RefreshRBUse");
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* child = qobject_cast<ChildForm*>(sub->widget()); child && child->HasShowRB()) child->ShowRB();
    }
    void RefreshChannelRefs() override {
        calls << QStringLiteral("RefreshChannelRefs");
        if (frmCommChInfo* form = Form()) {
            form->InitValidComboList();
            form->ShowValidComboText();
        }
    }
};
