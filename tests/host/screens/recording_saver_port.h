#pragma once
// The saver window and the system as the saver screen's tests see them:
// every call is recorded into a log shared with the music calls, so that
// their order shows.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/screens/saver_port.h"
#include "host/screens/saver_screen.h"

namespace kestro::testing {

inline const char* timerName(SaverTimer timer) {
    switch (timer) {
    case SaverTimer::Mp3Restart:
        return "Mp3Restart";
    case SaverTimer::CdWatch:
        return "CdWatch";
    case SaverTimer::RendererWatch:
        return "RendererWatch";
    }
    return "?";
}

class RecordingSaverPort : public SaverPort, public SaverScreenEvents {
  public:
    explicit RecordingSaverPort(std::vector<std::string>& log) : log_(log) {}

    bool spriteSaves = true;
    bool programStarts = true;
    bool rendererWindow = false;
    bool rendererRunning = true;
    uint32_t now = 5000;
    SaverScreen* screen = nullptr; // closeWindow runs its close handler
    std::map<SaverTimer, bool> timers{{SaverTimer::Mp3Restart, false},
                                      {SaverTimer::CdWatch, false},
                                      {SaverTimer::RendererWatch, true}};

    bool saveSprite(const std::string& path) override {
        log_.push_back("save sprite " + path);
        return spriteSaves;
    }
    bool startProgram(const std::string& path) override {
        log_.push_back("start " + path);
        return programStarts;
    }
    bool startedProgramRunning() override { return programStarts && rendererRunning; }
    bool windowExists(const std::string& title) override {
        return title == "Kestrovalinde_VC" && rendererWindow;
    }
    uint32_t tickCount() override { return now; }
    void showCursor() override { log_.push_back("show cursor"); }
    void setTimerEnabled(SaverTimer timer, bool enabled) override {
        timers[timer] = enabled;
        log_.push_back(std::string(enabled ? "enable " : "disable ") + timerName(timer));
    }
    bool timerEnabled(SaverTimer timer) override { return timers[timer]; }
    void closeWindow() override {
        log_.push_back("close window");
        if (screen)
            screen->onClose();
    }
    void endProcess() override { log_.push_back("end process"); }

  private:
    std::vector<std::string>& log_;
};

} // namespace kestro::testing
