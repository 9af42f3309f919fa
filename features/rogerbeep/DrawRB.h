#pragma once
// Painting the chart of a tone set, and the picture box the editor shows it in.
#include "core/Records.h"

#include <QFrame>

class QPainter;

namespace ModBeep {

// Paints the chart of the set numbered *set (nothing for a number outside 1..8) with
// painter, whose units are those of a picture of scaleWidth x scaleHeight. Boxes are filled
// and outlined in the tone's colour, so a tone of frequency 0 still shows as a line on the
// base line. The picture is not cleared first.
void DrawRB(const int16& set, QPainter& painter, double scaleWidth, double scaleHeight);

// A sunken picture box that paints the chart of the set numbered *set in twips on every
// paint.
class RBPicture final : public QFrame {
public:
    explicit RBPicture(const int16& set, QWidget* parent = nullptr);
    // The drawing area in twips (15 to the pixel), inside the border.
    double ScaleWidth() const;
    double ScaleHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int16* set_;
};

}  // namespace ModBeep
