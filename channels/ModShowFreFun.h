#pragma once
// Channel-list operations on ChInfo that need no window: frequency texts between their
// stored and shown forms, the band and raster checks of an entered frequency, adding and
// deleting channels with dense slots, and the commit of one edited grid cell.
#include "core/Records.h"

#include <QString>

namespace ModShowFreFun {

// The text a stored frequency is shown as ("280150  " and "28015000" both give "28.0150").
// Empty, blank, zero-filled and "FFFFFFFF" texts give "". A text that is not a number shows
// "Not IsNumeric" and gives the lower band limit.
QString ShowFre(const QString& stored);

// A shown frequency ("28.0150") as the stored text: whole MHz as two digits followed by the
// decimals without the point ("280150"); "" stays "", a text without "." is kept.
QString GetFreByShow(const QString& shown);

// f on the 10 Hz raster counted from the lower band limit (rounded down onto it).
double SnapFreStep(double f);

// f inside the band: snapped onto the raster. Outside: the nearer limit when clamp, else 0,
// and "Frequency is out of range." when warn.
double CheckFreRange(double f, bool clamp, bool warn);

// The value of a text that is not a number: the lower limit when clamp, else 0; the range
// message when warn.
double CheckFreNotNumeric(bool clamp, bool warn);

// An entered frequency checked against the band and formatted "#0.0000"; "" when the check
// gives 0 (a refused entry without clamp).
QString ValidateFreText(const QString& value, bool clamp, bool warn);

// Column 1 sets Freq, column 2 InitFreq, from a shown text; other columns change nothing.
void SetChannelFreField(ChannelRecord& rec, int column, const QString& shown);

// Appends channel n to (mode, group) at the shown frequency t, with the option values of a
// new channel; the fields a new channel does not set start as in a never-used slot.
// Nothing is added when (mode, group) is not a group of that mode or the group is full.
bool AddChannel(int n, int mode, int group, const QString& t);

// Removes the channel in slot; later slots move down by one.
void DeleteChannel(int slot, int mode, int group);

// Commits the text t typed into column `column` of grid row n (= channel number) of the
// current mode and group: adds, changes or deletes the channel, keeps the group's channel
// references valid and re-shows the row when the editor is open. t comes back as stored.
// A frequency that is refused (out of band, not a number) leaves the channel as it was;
// only an empty text deletes it, and the group's last channel numbered 1 to 40 goes only
// while another switched-on group keeps one (the group is then switched off).
void EditChannelCell(int n, int column, QString& t);

}  // namespace ModShowFreFun
