#include "host/screens/saver_window_win32.h"

#include "host/screens/saver_screen.h"

namespace kestro {

namespace {

constexpr int PIC1_SIZE_PIXELS = 32; // Pic1, the picture box that holds the sprite

// Kestrovalinde_S: never shown; its events drive SaverScreen.
class SaverWindow : public FormWindow, private SaverScreenEvents {
  public:
    SaverWindow(SaverPort& system, MciPort& mci, const MusicSettings& settings,
                const std::string& hostFolder, char modeLetter)
        : screen_(system, *this, mci, settings, hostFolder, modeLetter),
          mp3RestartTimer_(*this, MP3_RESTART_INTERVAL_MS, [this] { screen_.onMp3RestartTimer(); }),
          cdWatchTimer_(*this, CD_WATCH_INTERVAL_MS, [this] { screen_.onCdWatchTimer(); }),
          rendererWatchTimer_(*this, RENDERER_WATCH_INTERVAL_MS,
                              [this] { screen_.onRendererWatchTimer(); }) {
        rendererWatchTimer_.setEnabled(true); // armed when the window exists
    }

  protected:
    void onLoad() override { screen_.onLoad(); }
    void onClose() override { screen_.onClose(); }

    // A session that ends closes the saver like any other close request.
    bool onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_ENDSESSION || !wParam)
            return false;
        result = 0;
        screen_.onClose();
        return true;
    }

  private:
    void setTimerEnabled(SaverTimer timer, bool enabled) override {
        timerOf(timer).setEnabled(enabled);
    }
    bool timerEnabled(SaverTimer timer) override { return timerOf(timer).enabled(); }
    void closeWindow() override { close(); }

    FormTimer& timerOf(SaverTimer timer) {
        switch (timer) {
        case SaverTimer::Mp3Restart:
            return mp3RestartTimer_;
        case SaverTimer::CdWatch:
            return cdWatchTimer_;
        case SaverTimer::RendererWatch:
            break;
        }
        return rendererWatchTimer_;
    }

    SaverScreen screen_;
    FormTimer mp3RestartTimer_;
    FormTimer cdWatchTimer_;
    FormTimer rendererWatchTimer_;
};

} // namespace

std::unique_ptr<FormWindow> CreateSaverWindow(SaverPort& system, MciPort& mci,
                                              const MusicSettings& settings,
                                              const std::string& hostFolder, char modeLetter) {
    auto window = std::make_unique<SaverWindow>(system, mci, settings, hostFolder, modeLetter);
    FormPlacement placement;
    placement.title = SAVER_WINDOW_TITLE;
    placement.clientWidth = PIC1_SIZE_PIXELS; // room for Pic1; the window is never shown
    placement.clientHeight = PIC1_SIZE_PIXELS;
    window->create(placement);
    return window;
}

} // namespace kestro
