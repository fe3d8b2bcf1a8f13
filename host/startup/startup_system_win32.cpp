#include "host/startup/startup_system_win32.h"

#include <windows.h>

#include "host/forms/form_window.h"
#include "host/forms/twips.h"
#include "host/screens/preview_window.h"
#include "host/screens/saver_window.h"
#include "host/settings/settings_dialog.h"
#include "host/startup/host_startup.h"
#include "host/startup/path_helpers.h"

namespace kestro {

namespace {

// Steps P2 to P8 of the preview set-up; each step is skipped when it fails.
// Without a preview area to live in, no preview window is made at all: a
// hidden, parentless one would keep the process alive with nothing that could
// ever close it.
void embedPreview(HWND previewParent) {
    if (!previewParent || !IsWindow(previewParent)) return;
    int widthPixels = 0;
    int heightPixels = 0;
    RECT area{};
    if (GetWindowRect(previewParent, &area)) {
        widthPixels = area.right - area.left;
        heightPixels = area.bottom - area.top;
    }
    const int16_t widthTwips = twipsFromPixels16(widthPixels, screenTwipsPerPixelX()).value_or(0);
    const int16_t heightTwips =
        twipsFromPixels16(heightPixels, screenTwipsPerPixelY()).value_or(0);

    HWND preview = CreatePreviewWindow();
    if (!preview) return;
    SetWindowLongA(preview, GWL_STYLE, GetWindowLongA(preview, GWL_STYLE) | WS_CHILD);
    SetParent(preview, previewParent);
    MoveWindow(preview, 0, 0, pixelsFromTwips(widthTwips, screenTwipsPerPixelX()),
               pixelsFromTwips(heightTwips, screenTwipsPerPixelY()), FALSE);
    SizePreviewImage(widthPixels, heightPixels);
    ShowWindow(preview, SW_SHOWNA);
}

class Win32Startup : public StartupPort {
public:
    bool windowExists(const std::string& title) override {
        return FindWindowA(nullptr, title.c_str()) != nullptr;
    }
    std::string hostFolder() override { return HostFolder(); }
    bool createFolder(const std::string& path) override {
        return CreateDirectoryA(path.c_str(), nullptr) != 0;
    }
    void showMessage(const std::string& text, const std::string& caption) override {
        MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
    }
    void endProcess() override { endHostProcess(); }
    void hideCursor() override { ShowCursor(FALSE); }
    ProfilePort& profile() override { return SystemProfile(); }
    void startPreview(int32_t previewParent) override {
        embedPreview(reinterpret_cast<HWND>(static_cast<intptr_t>(previewParent)));
    }
    void showSettingsDialog() override { ShowSettingsDialog(); }
    void createSaverWindow() override { CreateSaverWindow(); }
};

} // namespace

void RunHostStartup(const std::string& argumentText) {
    static Win32Startup system;
    HostArgumentText = argumentText;
    HostStartup(system, argumentText);
}

} // namespace kestro
