#include "core/widgets/DropList.h"

#include <QWheelEvent>

DropList::DropList(QWidget* parent) : QComboBox(parent) {
    // QComboBox asks for Qt::WheelFocus, which hands it the focus before it sees the wheel.
    setFocusPolicy(Qt::StrongFocus);
}

void DropList::wheelEvent(QWheelEvent* event) {
    if (hasFocus()) {
        QComboBox::wheelEvent(event);
        return;
    }
    event->ignore();  // passed on to the parent widgets
}
