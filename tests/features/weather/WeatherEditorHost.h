#pragma once
// A main window for the weather-channel editor in tests and screenshots: a QMainWindow with
// an MDI area in which the editor opens by name, as the program's main window opens it.
#include "features/weather/FrmTVCH.h"
#include "features/weather/WeatherForms.h"
#include "shell/FormRegistry.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

class WeatherEditorHost {
public:
    WeatherEditorHost() {
        main.setCentralWidget(area);
        main.resize(640, 660);
        RegisterWeatherForms();
    }
    ~WeatherEditorHost() { area->closeAllSubWindows(); }
    WeatherEditorHost(const WeatherEditorHost&) = delete;
    WeatherEditorHost& operator=(const WeatherEditorHost&) = delete;

    FrmTVCH* Open() {
        auto* form = static_cast<FrmTVCH*>(FormRegistry::Create(QStringLiteral("FrmTVCH")));
        QMdiSubWindow* sub = area->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        main.show();
        sub->show();
        return form;
    }

    FrmTVCH* Form() const {
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* form = qobject_cast<FrmTVCH*>(sub->widget())) return form;
        return nullptr;
    }

    QMainWindow main;
    QMdiArea* area = new QMdiArea;
};
