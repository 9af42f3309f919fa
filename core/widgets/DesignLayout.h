#pragma once
// Windows are laid out as they were designed, in twips: 15 twips make one pixel. Design
// places are cut to whole pixels (Px, TwRect); placements kept in the settings store go to
// the nearest pixel (ToPixels, FromPixels). Labels are made at their design places and, once
// their captions are known, placed before their controls or grown to their text, as fonts
// differ from the ones the design was made with.
#include <QRect>
#include <QString>

#include <climits>
#include <cmath>

class QLabel;
class QWidget;

namespace DesignLayout {

constexpr int kTwipsPerPixel = 15;
constexpr int kLabelGapTw = 100;  // between a label's right edge and its control

constexpr int Px(int twips) { return twips / kTwipsPerPixel; }
constexpr QRect TwRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// Nearest pixel, halves to even.
inline int ToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }
constexpr double FromPixels(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

// A label named name at (left, top) twips.
QLabel* MakeLabel(QWidget* parent, const QString& name, int left, int top, const QString& text = QString());

// How a label stands before its control.
struct Before {
    int gap = Px(kLabelGapTw);     // pixels between the label's right edge and the control
    int minWidth = 0;              // the least width (room for a text still to come)
    const QWidget* row = nullptr;  // the widget the label stands level with; the control if none
    bool keepInside = false;       // never left of the parent's left edge
};

// Right-aligns label before control: as wide as its text, ending how.gap pixels before the
// control, level with how.row and at least as high as it, its text centred on that row.
void AlignLabelBefore(QLabel* label, const QWidget* control, const Before& how = {});

// Grows a one-line label from its design rectangle (pixels) to its text, or to widest when
// given (a text it must have room for): to the right while it ends before rightLimit, then to
// the left, never past the parent's left edge; as high as its text, about the design's
// middle.
void GrowLabel(QLabel* label, const QRect& design, int rightLimit = INT_MAX, const QString& widest = QString());

}  // namespace DesignLayout
