#include "features/weather/WeatherForms.h"

#include "features/weather/FrmTVCH.h"
#include "shell/FormRegistry.h"

void RegisterWeatherForms() {
    FormRegistry::Register(QString::fromLatin1(FrmTVCH::kFormName), [] { return new FrmTVCH; });
}
