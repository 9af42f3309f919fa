#pragma once
// A channel's mode by name and code, the mode names a channel can be given, and moving the
// channels off modes that are no longer allowed.
//
// Channel modes: 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA. There is no channel code for CW, so a
// channel is never offered CW even when the radio allows it (the emergency and public
// modes, which do have a CW code, are lists of their own).
#include "core/Records.h"

#include <QString>
#include <QStringList>

namespace ModSetComm2 {

// "FM" for 0 and every code outside 1..4; "AM", "USB", "LSB", "PA" for 1..4.
QString GetModeNameByCode(int code);

// 0..4 for "FM".."PA"; 0 for every other text.
int16 GetModeCodeByName(const QString& name);

// Whether name is one of "FM", "AM", "USB", "LSB", "PA".
bool IsChannelModeName(const QString& name);

// The allowed channel modes in code order ("FM", "AM", "USB", "LSB", "PA"); PA left out
// when noPA (the MEM groups).
QStringList ChannelModeNames(bool noPA);

// Every stored channel of groups 1..10 of both modes (HF A..J, HAM A..I and MEM) gets
// ModPubFun::GetValidModeIndex of its mode; then an open channel editor shows the current
// channel's mode again.
void RevalidateChannelModes();

}  // namespace ModSetComm2
