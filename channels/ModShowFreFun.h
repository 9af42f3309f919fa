#pragma once
// Channel-list operations on ChInfo that need no window: frequency texts between their
// stored and shown forms, the band and raster checks of an entered frequency, adding and
// deleting channels with dense slots, and the commit of one edited grid cell.
#include "core/ChannelSlots.h"
#include "core/Records.h"

#include <QString>

namespace ModShowFreFun {

// The text a stored frequency is shown as ("280150  " and "28015000" both give "28.0150").
// Empty, blank, zero-filled and "FFFFFFFF" texts give "". A text that is not a number shows
// "Not IsNumeric" and gives the lower band limit.
QString ShowFre(const QString& stored);

// A shown frequency as the stored text ("28.0150" gives "280150").
using ChannelSlots::GetFreByShow;

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

// Appending and removing a channel with dense slots (core/ChannelSlots.h).
using ChannelSlots::AddChannel;
using ChannelSlots::DeleteChannel;

// Commits the text t typed into column `column` of grid row n (= channel number) of the
// current mode and group: adds, changes or deletes the channel, keeps the group's channel
// references valid and re-shows the row when the editor is open. t comes back as stored.
// A frequency that is refused (out of band, not a number) leaves the channel as it was;
// only an empty text deletes it, and the group's last channel numbered 1 to 40 goes only
// while another switched-on group keeps one (the group is then switched off).
void EditChannelCell(int n, int column, QString& t);

}  // namespace ModShowFreFun
