#include "host/screens/saver_window.h"

#include <windows.h>

#include <memory>

#include "host/forms/form_window.h"
#include "host/music/mci_port_win32.h"
#include "host/screens/saver_screen.h"
#include "host/screens/saver_system_win32.h"
#include "host/startup/host_startup.h"
#include "host/startup/startup_system_win32.h"

namespace kestro {

namespace {

constexpr int PIC1_SIZE_PIXELS = 32;  // the sprite's picture box

// Kestrovalinde_S: never shown; its events drive SaverScreen.
class SaverWindow : public FormWindow, private SaverPort {
public:
    SaverWindow()
        : screen_(*this, HostFolder(), ModeLetter(HostArgumentText)),
          timer1_(*this, TIMER1_INTERVAL_MS, [this] { screen_.onTimer1(); }),
          timer2_(*this, TIMER2_INTERVAL_MS, [this] { screen_.onTimer2(); }),
          timer3_(*this, TIMER3_INTERVAL_MS, [this] { screen_.onTimer3(); }) {
        timer3_.setEnabled(true);  // armed when the window exists
    }

protected:
    void onLoad() override { screen_.onLoad(); }
    void onClose() override { screen_.onClose(); }

    // A session that ends closes the saver like any other close request.
    bool onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_ENDSESSION || !wParam) return false;
        result = 0;
        screen_.onClose();
        return true;
    }

private:
    // Pic1 holds SaverSprite; saving the picture writes its bitmap bytes.
    bool saveSprite(const std::string& path) override {
        return WriteWholeFile(path, SaverSpriteBytes());
    }
    bool startProgram(const std::string& path) override { return StartProgramUnquoted(path); }
    bool windowExists(const std::string& title) override {
        return FindWindowA(nullptr, title.c_str()) != nullptr;
    }
    uint32_t tickCount() override { return GetTickCount(); }
    void showCursor() override { ShowCursor(TRUE); }
    void setTimerEnabled(SaverTimer timer, bool enabled) override {
        timerOf(timer).setEnabled(enabled);
    }
    bool timerEnabled(SaverTimer timer) override { return timerOf(timer).enabled(); }
    void closeWindow() override { close(); }
    void endProcess() override { endHostProcess(); }

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

void CreateSaverWindow() {
    SetMciPort(SystemMciPort());
    static SaverWindow saverWindow;
    FormPlacement placement;
    placement.title = SAVER_WINDOW_TITLE;
    placement.clientWidth = PIC1_SIZE_PIXELS;  // room for Pic1; the window is never shown
    placement.clientHeight = PIC1_SIZE_PIXELS;
    saverWindow.create(placement);
}

} // namespace kestro
