#pragma once
// The channel editor's program-wide state, read by the channel-list logic to decide whether
// a changed row is re-shown in the open window.
#include "core/Records.h"

#include <functional>

namespace ChannelGlobals {

// -1 while frmCommChInfo is loaded, 0 otherwise.
inline int16 ChInfoShown = 0;

// Set by the loaded channel editor: shows the current channel's mode again after the allowed
// modes changed (ModSetComm2::RevalidateChannelModes). Empty while no editor is loaded.
inline std::function<void()> RevalidateShownMode;

}  // namespace ChannelGlobals
