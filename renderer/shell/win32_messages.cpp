// The renderer window's answers to window messages: what they mean to the
// shell core waits in the backend's queue.

#include "renderer/shell/win32_messages.h"

#include "renderer/shell/key_table.h"
#include "renderer/shell/win32_backend.h"

namespace kestro {

namespace {

uint16_t lowWord(intptr_t value) {
    return static_cast<uint16_t>(static_cast<uintptr_t>(value));
}

uint16_t highWord(intptr_t value) {
    return static_cast<uint16_t>(static_cast<uintptr_t>(value) >> 16);
}

bool isPowerSavingCommand(uintptr_t command) {
    const uintptr_t kind = command & SYSTEM_COMMAND_MASK;
    return kind == SYSTEM_COMMAND_SCREEN_SAVE || kind == SYSTEM_COMMAND_MONITOR_POWER;
}

} // namespace

bool Win32Backend::handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
    case MESSAGE_SIZE:
        return handleSize(wParam, lParam);
    case MESSAGE_CLOSE:
        post(BackendEvent{BackendEventKind::CloseAsked});
        return true;
    case MESSAGE_KEY_DOWN:
        return handleKey(wParam, true);
    case MESSAGE_KEY_UP:
        return handleKey(wParam, false);
    // No screen saver and no monitor power-down while the renderer runs.
    case MESSAGE_SYSTEM_COMMAND:
        return isPowerSavingCommand(wParam);
    case TOGGLE_SCREEN_MODE_MSG:
        // Ends this window's loop without ending the program; the core then
        // makes the window again in the other mode.
        post(BackendEvent{BackendEventKind::ToggleScreenMode});
        return false;
    default:
        return false;
    }
}

bool Win32Backend::handleSize(uintptr_t sizeType, intptr_t lParam) {
    if (sizeType == SIZE_TYPE_MINIMIZED) {
        post(BackendEvent{BackendEventKind::Hidden});
        return true;
    }
    if (sizeType == SIZE_TYPE_RESTORED || sizeType == SIZE_TYPE_MAXIMIZED) {
        post(BackendEvent{BackendEventKind::Shown});
        BackendEvent resized{BackendEventKind::Resized};
        resized.width = lowWord(lParam);
        resized.height = highWord(lParam);
        post(resized);
        return true;
    }
    return false;
}

bool Win32Backend::handleKey(uintptr_t virtualKey, bool pressed) {
    if (virtualKey >= static_cast<uintptr_t>(KEY_COUNT))
        return false;
    BackendEvent key{BackendEventKind::Key};
    key.key = static_cast<int>(virtualKey);
    key.pressed = pressed;
    post(key);
    return true;
}

} // namespace kestro
