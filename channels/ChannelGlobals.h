#pragma once
// The channel editor's program-wide flag, read by the channel-list logic to decide whether
// a changed row is re-shown in the open window.
#include "core/Records.h"

namespace ChannelGlobals {

// -1 while frmCommChInfo is loaded, 0 otherwise.
inline int16 ChInfoShown = 0;

}  // namespace ChannelGlobals
