#include "channels/ChannelForms.h"

#include "channels/frmCommChInfo.h"
#include "shell/FormRegistry.h"

void RegisterChannelForms() {
    FormRegistry::Register(QString::fromLatin1(frmCommChInfo::kFormName), [] { return new frmCommChInfo; });
}
