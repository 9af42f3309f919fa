#pragma once
// Placement of the progress windows' controls, designed in twips (15 to the pixel), and the
// percentage and radio-number labels that must show their whole text in any font.
#include <QLabel>
#include <QRect>

#include <algorithm>

namespace ProgressLayout {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

inline QRect Rect(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

// A one-line value label at its design place, left-aligned and wide enough for widest (the
// design leaves room for "0%", not for "100%").
inline void PlaceValue(QLabel* value, const QRect& design, const QString& widest) {
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int textWidth = value->fontMetrics().horizontalAdvance(widest) + 2 * value->margin() + 2;
    const int h = std::max(design.height(), value->sizeHint().height());
    value->setGeometry(design.x(), design.y() - (h - design.height()) / 2, std::max(design.width(), textWidth), h);
}

// The label of a value: right-aligned, at least its design width and as wide as its text,
// ending 10 twips before the value's left edge.
inline void PlaceBefore(QLabel* label, const QLabel* value, const QRect& design) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int w = label->text().isEmpty() ? design.width() : std::max(design.width(), label->sizeHint().width());
    const int h = std::max(design.height(), label->sizeHint().height());
    const int leftTwips = value->x() * kTwipsPerPixel - w * kTwipsPerPixel - 10;
    const int left = leftTwips >= 0 ? leftTwips / kTwipsPerPixel : (leftTwips - (kTwipsPerPixel - 1)) / kTwipsPerPixel;
    label->setGeometry(std::max(0, left), design.y() - (h - design.height()) / 2, w, h);
}

}  // namespace ProgressLayout
