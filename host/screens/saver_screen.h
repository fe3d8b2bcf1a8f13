#pragma once
// What the saver window decides: write the sprite, start the renderer and
// the music when it loads, keep the music going from its timers, follow the
// renderer's window, and stop everything when it closes.

#include <cstdint>
#include <string>

#include "common/shared_names.h"

namespace kestro {

constexpr uint32_t TIMER1_INTERVAL_MS = 1000;  // MP3 watcher
constexpr uint32_t TIMER2_INTERVAL_MS = 200;   // audio-CD watcher
constexpr uint32_t TIMER3_INTERVAL_MS = 500;   // renderer watcher

// A renderer under Wine or on a busy machine can take seconds to open its
// window; the watcher waits this long for it before a renderer that never
// showed one counts as gone.
constexpr uint32_t RENDERER_APPEAR_GRACE_MS = 10000;

enum class SaverTimer { Timer1, Timer2, Timer3 };

// What the saver window asks of the system and of its own form.
class SaverPort {
public:
    virtual ~SaverPort() = default;
    // Writes SaverSprite to the file, replacing it. False when it could not.
    virtual bool saveSprite(const std::string& path) = 0;
    // Starts the program with its path, unquoted, as the whole command line;
    // keeps no handle. False when no process was started.
    virtual bool startProgram(const std::string& path) = 0;
    virtual bool windowExists(const std::string& title) = 0;  // FindWindowA, no class
    virtual uint32_t tickCount() = 0;                          // milliseconds, wrapping
    virtual void showCursor() = 0;
    virtual void setTimerEnabled(SaverTimer timer, bool enabled) = 0;
    virtual bool timerEnabled(SaverTimer timer) = 0;
    virtual void closeWindow() = 0;  // asks the saver window to close: runs onClose
    virtual void endProcess() = 0;   // never returns in the real host
};

class SaverScreen {
public:
    // modeLetter: of the host's argument text; the cursor was hidden at
    // start-up in mode "S" only, so only then is it shown again.
    SaverScreen(SaverPort& port, std::string hostFolder, char modeLetter);

    void onLoad();
    void onTimer1();
    void onTimer2();
    void onTimer3();
    void onClose();

private:
    bool rendererGone();

    SaverPort& port_;
    std::string hostFolder_;
    char modeLetter_;
    bool rendererStarted_ = false;
    bool rendererSeen_ = false;
    uint32_t rendererStartTick_ = 0;
};

} // namespace kestro
