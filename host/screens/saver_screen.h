#pragma once
// What the saver window decides: write the sprite, start the renderer and
// the music when it loads, keep the music going from its timers, follow the
// renderer's window, and stop everything when it closes.

#include <cstdint>
#include <string>

#include "common/shared_names.h"
#include "host/music/mci_port.h"
#include "host/music/music_player.h"
#include "host/music/music_settings.h"
#include "host/screens/saver_port.h"

namespace kestro {

// The saver window's three timers keep the names its designer gave them.
constexpr uint32_t TIMER1_INTERVAL_MS = 1000; // MP3 watcher
constexpr uint32_t TIMER2_INTERVAL_MS = 200;  // audio-CD watcher
constexpr uint32_t TIMER3_INTERVAL_MS = 500;  // renderer watcher

// A renderer under Wine or on a busy machine can take seconds to open its
// window; the watcher waits this long for it before a renderer that never
// showed one counts as gone.
constexpr uint32_t RENDERER_APPEAR_GRACE_MS = 10000;

enum class SaverTimer { Timer1, Timer2, Timer3 };

// What the saver screen asks of its own window.
class SaverForm {
  public:
    virtual ~SaverForm() = default;
    virtual void setTimerEnabled(SaverTimer timer, bool enabled) = 0;
    virtual bool timerEnabled(SaverTimer timer) = 0;
    virtual void closeWindow() = 0; // asks the saver window to close: runs onClose
};

class SaverScreen {
  public:
    // modeLetter: of the host's argument text; the cursor was hidden at
    // start-up in mode "S" only, so only then is it shown again.
    SaverScreen(SaverPort& system, SaverForm& form, MciPort& mci, MusicSettings settings,
                std::string hostFolder, char modeLetter);

    void onLoad();
    void onTimer1();
    void onTimer2();
    void onTimer3();
    void onClose();

  private:
    bool rendererGone();

    SaverPort& system_;
    SaverForm& form_;
    MusicPlayer player_;
    const MusicSettings settings_;
    const std::string hostFolder_;
    const char modeLetter_;
    bool rendererStarted_ = false;
    bool rendererSeen_ = false;
    uint32_t rendererStartTick_ = 0;
};

} // namespace kestro
