#pragma once
// Channel-list operations on ChInfo that need no window: frequency texts between their
// stored and shown forms, and adding and deleting channels with dense slots.
#include "core/Records.h"

#include <QString>

namespace ModShowFreFun {

// A shown frequency ("28.0150") as the stored text: whole MHz as two digits followed by the
// decimals without the point ("280150"); "" stays "", a text without "." is kept.
QString GetFreByShow(const QString& shown);

// Appends channel n to (mode, group) at the shown frequency t, with the option values of a
// new channel; the fields a new channel does not set start as in a never-used slot.
// Nothing is added when (mode, group) is not a group of that mode or the group is full.
bool AddChannel(int n, int mode, int group, const QString& t);

// Removes the channel in slot; later slots move down by one.
void DeleteChannel(int slot, int mode, int group);

}  // namespace ModShowFreFun
