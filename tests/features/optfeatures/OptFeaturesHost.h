#pragma once
// A main window for the optional-features editor in tests and screenshots: an MDI area
// whose window services open, close and find the editors by name the way the program's
// main window does, with the channel editor registered beside it.
#include "channels/ChannelForms.h"
#include "channels/ChannelGlobals.h"
#include "features/optfeatures/FrmOptFeatures.h"
#include "features/optfeatures/OptFeatureForms.h"
#include "core/WindowServices.h"
#include "shell/ChildForm.h"
#include "shell/FormRegistry.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

class OptFeaturesHost final : public WindowServices {
public:
    OptFeaturesHost() {
        main.setCentralWidget(area);
        main.resize(1200, 800);
        SetWindowServices(this);
        RegisterChannelForms();
        RegisterOptFeatureForms();
    }
    ~OptFeaturesHost() override {
        area->closeAllSubWindows();
        SetWindowServices(nullptr);
    }
    OptFeaturesHost(const OptFeaturesHost&) = delete;
    OptFeaturesHost& operator=(const OptFeaturesHost&) = delete;

    FrmOptFeatures* Open() {
        ShowChildForm(QString::fromLatin1(FrmOptFeatures::kFormName));
        main.show();
        return static_cast<FrmOptFeatures*>(Find(QString::fromLatin1(FrmOptFeatures::kFormName)));
    }

    // The open (not closed) window of that name.
    ChildForm* Find(const QString& name) const {
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* form = qobject_cast<ChildForm*>(sub->widget()); form && !sub->isHidden() && form->FormName() == name)
                return form;
        return nullptr;
    }

    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    QStringList calls;

    bool IsMainWindowLoaded() const override { return true; }
    bool IsFormLoaded(const QString& name) const override { return Find(name) != nullptr; }
    void UnloadForm(const QString& name) override {
        calls << QStringLiteral("UnloadForm ") + name;
        while (ChildForm* form = Find(name)) static_cast<QMdiSubWindow*>(form->parentWidget())->close();
    }
    void ShowChildForm(const QString& name) override {
        calls << QStringLiteral("ShowChildForm ") + name;
        if (ChildForm* form = Find(name)) {
            area->setActiveSubWindow(static_cast<QMdiSubWindow*>(form->parentWidget()));
            return;
        }
        ChildForm* form = FormRegistry::Create(name);
        if (!form) return;
        QMdiSubWindow* sub = area->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        area->cascadeSubWindows();
    }
    void ReShowGrid(int row) override {
        if (ChildForm* form = Find(QStringLiteral("frmCommChInfo"))) form->reShowGrid(row);
    }
    void RefreshRBUse() override {
        calls << QStringLiteral("RefreshRBUse");
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* child = qobject_cast<ChildForm*>(sub->widget()); child && !sub->isHidden() && child->HasShowRB())
                child->ShowRB();
    }
};
