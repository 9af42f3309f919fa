#pragma once
// The percentage and radio-number labels of the progress windows and the labels before them,
// which must show their whole text in any font.
#include "core/widgets/DesignLayout.h"

#include <QLabel>

namespace ProgressLayout {

// A value label keeps its design place (pixels) and has room for widest, the widest text it
// shows (the design leaves room for "0%", not for "100%").
inline void PlaceValue(QLabel* value, const QRect& design, const QString& widest) {
    DesignLayout::GrowLabel(value, design, INT_MAX, widest);
}

// The label of a value ends 10 twips before it (one pixel, rounded away from the value),
// keeps its design width while it has no text, and stays inside the window.
inline void PlaceBefore(QLabel* label, const QLabel* value, int designWidthTw) {
    DesignLayout::AlignLabelBefore(label, value,
                                   {.gap = 1, .minWidth = DesignLayout::Px(designWidthTw), .keepInside = true});
}

}  // namespace ProgressLayout
