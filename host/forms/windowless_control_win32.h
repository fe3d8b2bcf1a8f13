#pragma once
// Designer controls that have no window of their own (labels, images,
// shapes): their container paints them over its background, in order, and
// hit-tests them for the mouse.

#include <windows.h>

#include <vector>

namespace kestro {

class WindowlessControl {
  public:
    virtual ~WindowlessControl() = default;
    virtual void paint(HDC dc) const = 0;

    void place(const RECT& bounds) { bounds_ = bounds; }
    const RECT& bounds() const { return bounds_; }
    bool contains(POINT point) const { return PtInRect(&bounds_, point) != 0; }

  private:
    RECT bounds_{}; // pixels, in the container's client area
};

// The windowless controls of one container, in painting order (later ones
// lie on top).
class WindowlessLayer {
  public:
    void add(WindowlessControl& control) { controls_.push_back(&control); }
    void paint(HDC dc) const {
        for (const WindowlessControl* control : controls_)
            control->paint(dc);
    }
    // The topmost control under the point, or null.
    const WindowlessControl* hit(POINT point) const {
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
            if ((*it)->contains(point))
                return *it;
        }
        return nullptr;
    }

  private:
    std::vector<WindowlessControl*> controls_;
};

} // namespace kestro
