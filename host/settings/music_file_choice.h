#pragma once
// The music file chooser's request and what a chosen file changes.

#include <cstddef>
#include <string>

#include "host/music/music_settings.h"

namespace kestro {

constexpr size_t MUSIC_FILE_BUFFER = 255; // characters the chooser may return, NUL included

// The filter: one description and one pattern, NUL-separated and ending in
// two NULs, in the ANSI code page.
std::string MusicFileFilter();

// "ﾌｧｲﾙを開く" in the ANSI code page.
std::string MusicFileChooserTitle();

// The path the chooser wrote into its buffer: the text up to the first NUL.
std::string ChosenMusicFile(const char* buffer, size_t size);

// A file was chosen: BgmFile takes it and BgmFolder its folder. BgmKind is
// left alone.
void ApplyChosenMusicFile(MusicSettings& settings, const std::string& path);

} // namespace kestro
