#pragma once
// The window messages the renderer's window answers (Win32Backend::
// handleMessage), under names of their own so that the portable backend
// needs no <windows.h>.

#include <cstdint>

namespace kestro {

constexpr uint32_t MESSAGE_SIZE = 0x0005;
constexpr uint32_t MESSAGE_CLOSE = 0x0010;
constexpr uint32_t MESSAGE_KEY_DOWN = 0x0100;
constexpr uint32_t MESSAGE_KEY_UP = 0x0101;
constexpr uint32_t MESSAGE_SYSTEM_COMMAND = 0x0112;
constexpr uint32_t MESSAGE_USER = 0x0400;
constexpr uintptr_t SIZE_TYPE_RESTORED = 0;
constexpr uintptr_t SIZE_TYPE_MINIMIZED = 1;
constexpr uintptr_t SIZE_TYPE_MAXIMIZED = 2;
constexpr uintptr_t SYSTEM_COMMAND_SCREEN_SAVE = 0xF140;
constexpr uintptr_t SYSTEM_COMMAND_MONITOR_POWER = 0xF170;
// The system keeps the four low bits of a system command for itself.
constexpr uintptr_t SYSTEM_COMMAND_MASK = 0xFFF0;

// The renderer's own message: recreate the window in the other screen mode.
constexpr uint32_t TOGGLE_SCREEN_MODE_MSG = MESSAGE_USER + 1;

} // namespace kestro
