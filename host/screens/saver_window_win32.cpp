#include "host/screens/saver_window_win32.h"

#include "host/screens/saver_screen.h"

namespace kestro {

namespace {

constexpr int PIC1_SIZE_PIXELS = 32; // Pic1, the picture box that holds the sprite

// Kestrovalinde_S: never shown; its events drive SaverScreen.
class SaverWindow : public FormWindow, private SaverForm {
  public:
    SaverWindow(SaverPort& system, MciPort& mci, const MusicSettings& settings,
                const std::string& hostFolder, char modeLetter)
        : screen_(system, *this, mci, settings, hostFolder, modeLetter),
          timer1_(*this, TIMER1_INTERVAL_MS, [this] { screen_.onTimer1(); }),
          timer2_(*this, TIMER2_INTERVAL_MS, [this] { screen_.onTimer2(); }),
          timer3_(*this, TIMER3_INTERVAL_MS, [this] { screen_.onTimer3(); }) {
        timer3_.setEnabled(true); // armed when the window exists
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
        case SaverTimer::Timer1:
            return timer1_;
        case SaverTimer::Timer2:
            return timer2_;
        case SaverTimer::Timer3:
            break;
        }
        return timer3_;
    }

    SaverScreen screen_;
    FormTimer timer1_;
    FormTimer timer2_;
    FormTimer timer3_;
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
