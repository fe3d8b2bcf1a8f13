// The settings dialog shown modally while a second thread works it as a user
// would: a save that fails is reported and leaves the dialog open with the
// user's choice, which the next save then writes.
#include "host/settings/settings_dialog_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "common/shared_names.h"
#include "host/platform/wide_text_win32.h"
#include "host/settings/dialog_geometry_win32.h"
#include "host/settings/settings_save.h"
#include "host/startup/settings_file.h"
#include "tests/host/settings/fake_settings_system.h"

namespace kestro {
namespace {

constexpr char FORM_CLASS[] = "KestrovalindeForm";
constexpr char COMMAND_CLASS[] = "KestrovalindeCommand";
constexpr char MESSAGE_BOX_CLASS[] = "#32770";
constexpr char SETTINGS_FILE[] = "C:\\saver\\Kestrovalinde.ini";
constexpr DWORD WAIT_LIMIT_MS = 20000;
constexpr DWORD POLL_MS = 20;

// Polls until found() gives a window, for at most WAIT_LIMIT_MS.
HWND waitForWindow(const std::function<HWND()>& found) {
    for (DWORD waited = 0; waited < WAIT_LIMIT_MS; waited += POLL_MS) {
        if (HWND window = found())
            return window;
        Sleep(POLL_MS);
    }
    return nullptr;
}

bool waitUntilGone(HWND window) {
    for (DWORD waited = 0; waited < WAIT_LIMIT_MS; waited += POLL_MS) {
        if (!IsWindow(window))
            return true;
        Sleep(POLL_MS);
    }
    return false;
}

// The left-most button of the dialog itself: "設定".
HWND saveButton(HWND dialog) {
    HWND leftMost = nullptr;
    LONG leftMostX = LONG_MAX;
    for (HWND child = FindWindowExA(dialog, nullptr, COMMAND_CLASS, nullptr); child;
         child = FindWindowExA(dialog, child, COMMAND_CLASS, nullptr)) {
        RECT area{};
        GetWindowRect(child, &area);
        if (area.left < leftMostX) {
            leftMostX = area.left;
            leftMost = child;
        }
    }
    return leftMost;
}

// A left click, the pointer having moved onto the window first.
void click(HWND window, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageA(window, WM_MOUSEMOVE, 0, where);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(window, WM_LBUTTONUP, 0, where);
}

POINT centreOf(const RECT& area) {
    return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

struct MessageBoxSeen {
    std::string text;
    int buttons = 0;
};

MessageBoxSeen readMessageBox(HWND box) {
    MessageBoxSeen seen;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        if (lstrcmpiA(className, "Button") == 0)
            ++seen.buttons;
        else if (lstrcmpiA(className, "Static") == 0 && text[0] != L'\0')
            seen.text = utf8Text(text); // read wide: the message reads right under any code page
    }
    return seen;
}

TEST(SettingsDialog, FailedSaveIsReportedAndTheChoiceIsSavedOnTheNextTry) {
    testing::FakeSettingsSystem system;
    system.failingReplaces = 1;
    MusicSettings start;
    start.BgmKind = BGM_AUDIO_CD;

    MessageBoxSeen report;
    bool openAfterReport = false;
    bool closedAfterSecondSave = false;
    std::thread user([&] {
        // Shown once it has loaded, with all its controls.
        HWND dialog = waitForWindow([] {
            HWND found = FindWindowA(FORM_CLASS, SETTINGS_WINDOW_TITLE);
            return found && IsWindowVisible(found) ? found : nullptr;
        });
        if (!dialog)
            return;
        HWND panel = FindWindowExA(dialog, nullptr, FORM_CLASS, nullptr);
        PostMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(centreOf(pixelRect(KIND_MARKS[BGM_NONE])).x,
                                centreOf(pixelRect(KIND_MARKS[BGM_NONE])).y));
        HWND save = saveButton(dialog);
        RECT saveArea{};
        GetClientRect(save, &saveArea);
        click(save, centreOf(saveArea));

        HWND box =
            waitForWindow([] { return FindWindowA(MESSAGE_BOX_CLASS, SETTINGS_WINDOW_TITLE); });
        if (!box) {
            PostMessageA(dialog, WM_CLOSE, 0, 0);
            return;
        }
        report = readMessageBox(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        waitUntilGone(box);
        openAfterReport = IsWindow(dialog) && IsWindowEnabled(dialog);

        click(save, centreOf(saveArea));
        closedAfterSecondSave = waitUntilGone(dialog);
        if (!closedAfterSecondSave)
            PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    ShowSettingsDialog(system, start, SETTINGS_FILE);
    user.join();

    EXPECT_EQ(report.text, SaveFailedMessage(SETTINGS_FILE));
    EXPECT_EQ(report.buttons, 1) << "OK only";
    EXPECT_TRUE(openAfterReport);
    EXPECT_TRUE(closedAfterSecondSave);
    EXPECT_EQ(system.files.value(SETTINGS_FILE, SETTINGS_SECTION, settingsKeyKind()), " 0")
        << "the kind chosen before the failed save";
}

} // namespace
} // namespace kestro
