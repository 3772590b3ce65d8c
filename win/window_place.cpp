#include "win/window_place.h"

#include <algorithm>

namespace quorvel::win {

POINT CentredPlace(HWND on, const RECT* over, int width, int height) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(on, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const RECT& centre = over ? *over : work;
    return {std::clamp((centre.left + centre.right - width) / 2, work.left, std::max(work.left, work.right - width)),
            std::clamp((centre.top + centre.bottom - height) / 2, work.top, std::max(work.top, work.bottom - height))};
}

}  // namespace quorvel::win
