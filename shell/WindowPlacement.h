#pragma once
// Whether a stored window placement can still be used on the screens there are now: a
// placement written while a second monitor was attached may lie wholly off the remaining one.
#include <QList>
#include <QRect>

namespace WindowPlacement {

// The title bar is taken as this many pixels along the top of the outer frame.
constexpr int kTitleBarHeight = 24;
// A part of the title bar at least this wide and high can be taken with the mouse.
constexpr int kGripWidth = 48;
constexpr int kGripHeight = 12;

// True when the title bar of a window whose outer frame is outer lies, with a grip's worth
// of it (or the whole of a smaller bar), on one of the available screen areas.
bool TitleBarReachable(const QRect& outer, const QList<QRect>& areas);

}  // namespace WindowPlacement
