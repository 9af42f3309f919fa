#include "shell/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

bool TitleBarReachable(const QRect& outer, const QList<QRect>& areas) {
    if (outer.isEmpty()) return false;
    const QRect titleBar(outer.left(), outer.top(), outer.width(), std::min(outer.height(), kTitleBarHeight));
    const int needWidth = std::min(kGripWidth, titleBar.width());
    const int needHeight = std::min(kGripHeight, titleBar.height());
    return std::any_of(areas.begin(), areas.end(), [&](const QRect& area) {
        const QRect onArea = titleBar.intersected(area);
        return onArea.width() >= needWidth && onArea.height() >= needHeight;
    });
}

}  // namespace WindowPlacement
