#pragma once
// Character-aware handling of ANSI texts (system code page): a two-byte
// character is one character, and its second byte, which may look like an
// ASCII letter, is never changed or matched on its own.

#include <string>

namespace kestro {

// The last count characters of the text, or the whole text when shorter.
std::string LastAnsiCharacters(const std::string& text, size_t count);

// ASCII letters upper-cased; two-byte characters kept as they are.
std::string UpperAnsiText(const std::string& text);

// True when part occurs in text starting at a character boundary.
bool ContainsAnsiText(const std::string& text, const std::string& part);

} // namespace kestro
