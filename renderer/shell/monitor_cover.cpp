#include "renderer/shell/monitor_cover.h"

#include <algorithm>

#include "renderer/shell/renderer_window.h"
#include "renderer/shell/shell_port.h"

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

void coverOtherMonitors(RendererWindow& window) {
    ShellPort& port = *window.port;
    const std::vector<ScreenRect> monitors = port.listMonitors();
    // One monitor is the common case: nothing more is asked of the system.
    if (monitors.size() < 2)
        return;
    for (const ScreenRect& area : coverRectangles(monitors, port.monitorOf(window.hwnd))) {
        const WindowHandle cover =
            port.createCoverWindow(window.classInfo->instance, area, window.fullScreen == 1);
        if (cover != nullptr)
            window.covers.push_back(cover);
    }
}

void uncoverMonitors(RendererWindow& window) {
    for (WindowHandle cover : window.covers)
        window.port->destroyCoverWindow(cover);
    window.covers.clear();
}

} // namespace kestro
