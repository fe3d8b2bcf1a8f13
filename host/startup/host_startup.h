#pragma once
// The host's entry: instance guard, mode dispatch, work folder and the
// renderer check, before any window exists.

#include <cstdint>
#include <string>

#include "common/shared_names.h"
#include "host/startup/startup_events.h"
#include "host/startup/startup_port.h"

namespace kestro {

constexpr char NO_MODE_LETTER = '\0';
constexpr char MODE_PREVIEW = 'P';
constexpr char MODE_SETTINGS = 'C';
constexpr char MODE_SAVER = 'S';

// "Kestrovalinde.dll が同じﾌｫﾙﾀﾞに見つかりません！", in UTF-8.
std::string missingRendererMessage();

// Second character of the argument text, upper-cased; NO_MODE_LETTER when
// the text is shorter than two characters.
char ModeLetter(const std::string& argumentText);

// The preview area's handle: the number from the fourth character on
// (leading blanks skipped, digits up to the first other character); 0 when
// there is none or it does not fit in 32 bits.
int32_t PreviewHandleFromArguments(const std::string& argumentText);

void HostStartup(StartupPort& system, StartupEvents& modes, const std::string& argumentText);

} // namespace kestro
