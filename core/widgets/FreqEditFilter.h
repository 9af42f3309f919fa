#pragma once
// The in-place frequency editors of the channel grid take digits, "." and editing keys
// only: typed letters and signs, characters beyond ASCII and every way of pasting (keys,
// middle button, drag and drop, context menu, input methods) are refused.
#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace FreqEditFilter {

constexpr int kMaxLength = 7;

// True when the key must not reach the editor: cut, copy and paste shortcuts, a printable
// character that is neither a digit nor ".", or any character above 127. Control
// characters (Backspace, Delete) and keys without text (arrows) pass.
bool Refuses(const QKeyEvent& key);

// Readies box as a frequency editor: no context menu, no drops, no input method, at most
// maxLength characters; keys and mouse pastes are then filtered by the returned object
// (owned by box).
QObject* Install(QLineEdit* box, int maxLength = kMaxLength);

}  // namespace FreqEditFilter
