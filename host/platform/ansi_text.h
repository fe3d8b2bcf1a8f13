#pragma once
// The host's fixed texts are written in UTF-8 in the sources and reach the
// platform's ANSI calls in the system code page (932 on a Japanese system).
// Every such conversion goes through ansiText, at the boundary.

#include <string>
#include <string_view>

namespace kestro {

// UTF-8 -> system ANSI code page. Natively (unit tests) the code page is 932.
std::string ansiText(std::string_view utf8);

// System ANSI code page -> UTF-8: a stored path, to be shown to the user.
std::string utf8FromAnsi(std::string_view ansi);

// True when the byte opens a two-byte character in the ANSI code page, so the
// byte after it (which may look like "\\") belongs to the same character.
bool isAnsiLeadByte(unsigned char byte);

// Byte offsets at which the characters of an ANSI text start.
template <typename Visit> void forEachAnsiCharacter(std::string_view text, Visit visit) {
    for (size_t i = 0; i < text.size(); ++i) {
        visit(i);
        if (isAnsiLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ++i;
    }
}

} // namespace kestro
