#pragma once
// What the saver screen asks of the window that owns it: its three timers
// and its closing.

#include <cstdint>

namespace kestro {

// The saver window's timers, named by what they watch. Its designer called
// them Timer1 (MP3 restart), Timer2 (audio CD) and Timer3 (renderer).
constexpr uint32_t MP3_RESTART_INTERVAL_MS = 1000;
constexpr uint32_t CD_WATCH_INTERVAL_MS = 200;
constexpr uint32_t RENDERER_WATCH_INTERVAL_MS = 500;

enum class SaverTimer { Mp3Restart, CdWatch, RendererWatch };

class SaverScreenEvents {
  public:
    virtual ~SaverScreenEvents() = default;
    virtual void setTimerEnabled(SaverTimer timer, bool enabled) = 0;
    virtual bool timerEnabled(SaverTimer timer) = 0;
    virtual void closeWindow() = 0; // asks the saver window to close: runs onClose
};

} // namespace kestro
