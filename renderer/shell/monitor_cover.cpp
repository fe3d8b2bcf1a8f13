#include "renderer/shell/monitor_cover.h"

#include <algorithm>

namespace kestro {

std::vector<ScreenRect> coverRectangles(const std::vector<ScreenRect>& monitors,
                                        const ScreenRect& rendererMonitor) {
    std::vector<ScreenRect> covers;
    const auto listed = [&](const std::vector<ScreenRect>& list, const ScreenRect& area) {
        return std::find(list.begin(), list.end(), area) != list.end();
    };
    if (!listed(monitors, rendererMonitor))
        return covers;
    for (const ScreenRect& monitor : monitors) {
        // A monitor listed twice is one display shown on two screens.
        if (monitor.empty() || monitor == rendererMonitor || listed(covers, monitor))
            continue;
        covers.push_back(monitor);
    }
    return covers;
}

} // namespace kestro
