#include "features/optfeatures/OptFeatureForms.h"

#include "features/optfeatures/FrmOptFeatures.h"
#include "shell/FormRegistry.h"

void RegisterOptFeatureForms() {
    FormRegistry::Register(QString::fromLatin1(FrmOptFeatures::kFormName), [] { return new FrmOptFeatures; });
}
