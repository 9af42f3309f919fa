#include "features/rogerbeep/RogerBeepForms.h"

#include "features/rogerbeep/FrmToneTips.h"
#include "shell/FormRegistry.h"

void RegisterRogerBeepForms() {
    FormRegistry::Register(QString::fromLatin1(FrmToneTips::kFormName), [] { return new FrmToneTips; });
}
