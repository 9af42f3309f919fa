#pragma once
// Window layouts are designed in twips: 15 twips make one pixel.
#include <QLabel>
#include <QRect>

#include <algorithm>

namespace Twips {

constexpr int Px(int twips) { return twips / 15; }

inline QRect Rect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// Places a one-line label at its design rectangle, grown to its text where the design is too
// small for the font in use: to the right up to rightLimit (pixels), then to the left.
inline void PlaceLabel(QLabel* label, int left, int top, int width, int height, int rightLimit) {
    const QRect design = Rect(left, top, width, height);
    const QSize hint = label->sizeHint();
    const int w = std::max(design.width(), hint.width());
    const int h = std::max(design.height(), hint.height());
    const int x = std::max(0, std::min(design.x(), rightLimit - w));
    label->setGeometry(x, design.y() - (h - design.height()) / 2, w, h);
}

}  // namespace Twips
