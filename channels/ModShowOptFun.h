#pragma once
// Channel counts of a group, the five per-group channel references kept pointing at
// existing channels, and the default channels of an empty channel table.
//
// Channel numbers of a group are of two kinds: ordinary (at most 40, 0 included) and "M"
// channels (above 40). Every count reads the used slots 1..ChCount only; a mode or group
// outside the table counts as empty.
#include "core/ChannelSlots.h"
#include "core/Records.h"

namespace ModShowOptFun {

// The used slots of (mode, group): ChCount held to the table, 0 for a group outside it.
int UsedSlots(int mode, int group);

// n when n and ref are of the same kind, else 0.
int16 GetSameKindCHID(int n, int ref);

// Channels of the group numbered at most 40.
int16 CountNormalChannels(int mode, int group);

// Channels of the group of the same kind as n.
int16 CountSameKindChannels(int mode, int group, int n);

// Channels numbered at most 40 in the switched-on groups A..J (HF) or A..I (HAM) of the
// mode, leaving out channel n of the given group.
int16 CountNormalChannelsExcept(int mode, int group, int n);

// The channel a reference should hold: ref while that channel exists, else the first
// channel (in slot order) of ref's kind, else 0.
int16 PickChannelRef(int mode, int group, int ref);

// Re-points EmgCh1, EmgCh2, MemCh1, DwCh1 and DwCh2 of (mode, group) and lets the open
// channel editor show them. Groups without references (HF's VFO, 14) are left alone.
void RefreshChannelRefs(int mode, int group);

// The default channels of an empty channel table (core/ChannelSlots.h).
using ChannelSlots::InitDefaultChannels;

}  // namespace ModShowOptFun
