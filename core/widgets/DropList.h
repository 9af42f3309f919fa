#pragma once
// The drop-down list every window uses. A list follows the mouse wheel only while it has the
// keyboard focus. Over a list without the focus the wheel neither changes the list nor
// gives it the focus: it goes on to whatever lies beneath (a grid or a frame that scrolls),
// so scrolling past a list can never change a setting. A focused list keeps Qt's wheel
// steps, and each step is a user's choice (`activated`), as a choice from the open list is.
#include <QComboBox>

class DropList : public QComboBox {
public:
    explicit DropList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
