#pragma once
// Texts shown to the user reach the system through its wide (UTF-16) calls,
// so they read right whatever the system code page. What is stored or sent
// to peers stays in the system code page (see ansi_text.h).

#include <optional>
#include <string>
#include <string_view>

namespace kestro {

// UTF-8 -> UTF-16, for the wide calls.
std::wstring wideText(std::string_view utf8);

// UTF-16 -> UTF-8, for what the wide calls hand back.
std::string utf8Text(std::wstring_view wide);

// UTF-16 -> the system code page, or nothing when a character has no exact
// counterpart there (a lookalike or a question mark would name another file).
std::optional<std::string> exactAnsiText(std::wstring_view wide);

} // namespace kestro
