#include "features/rogerbeep/DrawRB.h"

#include "features/rogerbeep/ModBeep.h"
#include "features/rogerbeep/RBChart.h"
#include "core/widgets/DesignLayout.h"

#include <QPainter>

namespace ModBeep {

void DrawRB(const int16& set, QPainter& painter, double scaleWidth, double scaleHeight) {
    const RBToneSet* tones = ToneSet(set);
    if (!tones) return;
    for (const RBChartBox& box : RBChart(*tones, scaleWidth, scaleHeight)) {
        const QColor colour = QColor::fromRgb(box.rgb);
        painter.setPen(QPen(colour, 0));  // cosmetic: one pixel at any scale
        painter.setBrush(colour);
        painter.drawRect(QRectF(QPointF(box.x1, box.y1), QPointF(box.x2, box.y2)).normalized());
    }
}

RBPicture::RBPicture(const int16& set, QWidget* parent) : QFrame(parent), set_(&set) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

double RBPicture::ScaleWidth() const { return DesignLayout::FromPixels(contentsRect().width()); }

double RBPicture::ScaleHeight() const { return DesignLayout::FromPixels(contentsRect().height()); }

void RBPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    painter.scale(1.0 / DesignLayout::kTwipsPerPixel, 1.0 / DesignLayout::kTwipsPerPixel);
    DrawRB(*set_, painter, ScaleWidth(), ScaleHeight());
}

}  // namespace ModBeep
