#pragma once
// A main window for the roger-beep editor in tests and screenshots: a QMainWindow with an
// MDI area, window services that record what the editor asks of the windows and pass
// RefreshRBUse on to every open child that shows roger-beep sets, as the program does.
#include "features/rogerbeep/FrmToneTips.h"
#include "features/rogerbeep/RogerBeepForms.h"
#include "core/WindowServices.h"
#include "shell/ChildForm.h"
#include "shell/FormRegistry.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

class RogerBeepHost final : public WindowServices {
public:
    RogerBeepHost() {
        main.setCentralWidget(area);
        main.resize(760, 560);
        SetWindowServices(this);
        RegisterRogerBeepForms();
    }
    ~RogerBeepHost() override {
        area->closeAllSubWindows();
        SetWindowServices(nullptr);
    }
    RogerBeepHost(const RogerBeepHost&) = delete;
    RogerBeepHost& operator=(const RogerBeepHost&) = delete;

    // Opens the editor as the main window does: created by name, shown as an MDI child.
    FrmToneTips* Open() {
        auto* form = static_cast<FrmToneTips*>(FormRegistry::Create(QString::fromLatin1(FrmToneTips::kFormName)));
        QMdiSubWindow* sub = area->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        main.show();
        sub->show();
        return form;
    }

    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    QStringList calls;

    bool IsMainWindowLoaded() const override { return true; }
    void RefreshRBUse() override {
        calls << QStringLiteral("RefreshRBUse");
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* child = qobject_cast<ChildForm*>(sub->widget()); child && child->HasShowRB()) child->ShowRB();
    }
};
