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
#include "host/screens/saver_screen_events.h"

namespace kestro {

// A renderer under Wine or on a busy machine can take seconds to open its
// window; the watcher waits this long for it before a renderer that never
// showed one counts as gone.
constexpr uint32_t RENDERER_APPEAR_GRACE_MS = 10000;

class SaverScreen {
  public:
    // modeLetter: of the host's argument text; the cursor was hidden at
    // start-up in mode "S" only, so only then is it shown again.
    SaverScreen(SaverPort& system, SaverScreenEvents& window, MciPort& mci, MusicSettings settings,
                std::string hostFolder, char modeLetter);

    void onLoad();
    void onMp3RestartTimer();
    void onCdWatchTimer();
    void onRendererWatchTimer();
    void onClose();

  private:
    bool rendererGone();

    SaverPort& system_;
    SaverScreenEvents& window_;
    MusicPlayer player_;
    const MusicSettings settings_;
    const std::string hostFolder_;
    const char modeLetter_;
    bool rendererStarted_ = false;
    bool rendererSeen_ = false;
    uint32_t rendererStartTick_ = 0;
};

} // namespace kestro
