// The renderer window's answers to window messages.

#include "renderer/shell/renderer_messages.h"

#include "renderer/shell/renderer_shell.h"

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

bool RendererShell::handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
    case MESSAGE_SIZE:
        return handleSize(wParam, lParam);
    case MESSAGE_CLOSE:
        requestQuit();
        return true;
    case MESSAGE_KEY_DOWN:
        return handleKey(wParam, 1);
    case MESSAGE_KEY_UP:
        return handleKey(wParam, 0);
    // No screen saver and no monitor power-down while the renderer runs.
    case MESSAGE_SYSTEM_COMMAND:
        return isPowerSavingCommand(wParam);
    case TOGGLE_SCREEN_MODE_MSG:
        // Ends this window's loop without ending the program; the outer loop
        // then creates the window again in the other mode.
        fullScreenRequest_ = !fullScreenRequest_;
        port_.postQuit(hwnd_);
        return false;
    default:
        return false;
    }
}

bool RendererShell::handleSize(uintptr_t sizeType, intptr_t lParam) {
    if (sizeType == SIZE_TYPE_MINIMIZED) {
        drawing_ = false;
        return true;
    }
    if (sizeType == SIZE_TYPE_RESTORED || sizeType == SIZE_TYPE_MAXIMIZED) {
        drawing_ = true;
        port_.resizeView(lowWord(lParam), highWord(lParam));
        return true;
    }
    return false;
}

bool RendererShell::handleKey(uintptr_t virtualKey, int32_t held) {
    if (virtualKey >= static_cast<uintptr_t>(KEY_COUNT))
        return false;
    keyTable_.keys[virtualKey] = held;
    return true;
}

} // namespace kestro
