#include "core/widgets/DesignLayout.h"

#include <QLabel>

#include <algorithm>

namespace DesignLayout {

QLabel* MakeLabel(QWidget* parent, const QString& name, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(Px(left), Px(top));
    return label;
}

void AlignLabelBefore(QLabel* label, const QWidget* control, const Before& how) {
    const QWidget* row = how.row ? how.row : control;
    const QSize text = label->sizeHint();
    const int w = std::max(how.minWidth, text.width());
    const int h = std::max(row->height(), text.height());
    const int x = control->x() - w - how.gap;
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(how.keepInside ? std::max(0, x) : x, row->y() - (h - row->height()) / 2, w, h);
}

void GrowLabel(QLabel* label, const QRect& design, int rightLimit, const QString& widest) {
    const QSize hint = label->sizeHint();
    const int textWidth =
        widest.isEmpty() ? hint.width() : label->fontMetrics().horizontalAdvance(widest) + 2 * label->margin() + 2;
    const int w = std::max(design.width(), textWidth);
    const int h = std::max(design.height(), hint.height());
    const int x = std::max(0, std::min(design.x(), rightLimit - w));
    label->setGeometry(x, design.y() - (h - design.height()) / 2, w, h);
}

}  // namespace DesignLayout
