#pragma once
// Combo-box helpers shared by the editors. A stored small integer is, as a rule, the
// position of the shown item in its list. Setting an index from code never runs the
// box's user handlers (those are connected to `activated`); callers that rely on a
// handler running call it themselves.
#include <QString>

class QComboBox;

namespace ModFun {

// Selects index when flag is not 0, else item 0. An index outside the list clears the
// selection (nothing shown) and leaves the list as it was.
void SetComboIndex(QComboBox* combo, int flag, int index);
// flag not 0: selects the item whose text is the decimal value (the first item when none
// is); flag 0: selects item 0.
void SetComboValue(QComboBox* combo, int flag, int value);

}  // namespace ModFun

namespace ModPubFun {

// Fills the mode list: "FM", "AM", "USB", "LSB" for each allowed mode, "PA" when noPA is 0
// and PA is allowed, "CW" when CW is allowed, in this order.
void FillModeCombo(QComboBox* combo, int noPA);
// The first item equal to text; the first item when none is; "" for an empty list.
QString FindComboItem(const QComboBox* combo, const QString& text);
// Item index; item 0 when index is outside the list; "" for an empty list.
QString GetComboItem(const QComboBox* combo, int index);
// Selects FindComboItem(combo, text), or nothing when that is empty.
void SetComboText(QComboBox* combo, const QString& text);
void SetComboTextByIndex(QComboBox* combo, int index);

}  // namespace ModPubFun
