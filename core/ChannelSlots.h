#pragma once
// The used slots of a group in the working channel table (Prog::ChInfo): appending and
// removing a channel so that slots 1..ChCount stay dense, and the default channels of an
// empty table. No window is involved; start-up and the channel-list upkeep
// (ModShowFreFun, ModShowOptFun, which re-export these names) share them.
#include <QString>

namespace ChannelSlots {

// A shown frequency ("28.0150") as the stored text: whole MHz as two digits followed by the
// decimals without the point ("280150"); "" stays "", a text without "." is kept.
QString GetFreByShow(const QString& shown);

// Appends channel n to (mode, group) at the shown frequency t, with the option values of a
// new channel; the fields a new channel does not set start as in a never-used slot.
// Nothing is added when (mode, group) is not a group of that mode or the group is full.
bool AddChannel(int n, int mode, int group, const QString& t);

// Removes the channel in slot; later slots move down by one.
void DeleteChannel(int slot, int mode, int group);

// Adds the default channels: M1..M6 to every lettered group of both modes and the HAM MEM
// group, then channel 1 to groups 1..10 of each mode.
void InitDefaultChannels();

}  // namespace ChannelSlots
