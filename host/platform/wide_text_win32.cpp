#include "host/platform/wide_text_win32.h"

#include <windows.h>

#include <algorithm>

namespace kestro {

std::wstring wideText(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int inLength = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, wide.data(), length);
    return wide;
}

std::string utf8Text(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int inLength = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::optional<std::string> exactAnsiText(std::wstring_view wide) {
    if (wide.empty())
        return std::string();
    const int inLength = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), inLength,
                                           nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return std::nullopt;
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), inLength, ansi.data(), length,
                        nullptr, &lossy);
    // The round trip catches what the lossy flag misses on some systems.
    const int backLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    std::wstring back(static_cast<size_t>(std::max(backLength, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, back.data(), backLength);
    if (lossy || back != wide)
        return std::nullopt;
    return ansi;
}

} // namespace kestro
