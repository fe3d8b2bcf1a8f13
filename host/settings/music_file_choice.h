#pragma once
// The music file chooser's request and what a chosen file changes.

#include <cstddef>
#include <string>

#include "host/music/music_settings.h"

namespace kestro {

constexpr size_t MUSIC_FILE_BUFFER = 255; // characters the chooser may return, NUL included

// The filter: one description and one pattern, NUL-separated and ending in
// two NULs, in UTF-8.
std::string MusicFileFilter();

// "ﾌｧｲﾙを開く" in UTF-8.
std::string MusicFileChooserTitle();

// The message for a chosen file whose name the settings cannot keep (the
// system code page holds neither it nor a short form of it), with the path
// (UTF-8) on a line of its own.
std::string UnstorableMusicFileMessage(const std::string& shownPath);

// A file was chosen: BgmFile takes it and BgmFolder its folder. BgmKind is
// left alone.
void ApplyChosenMusicFile(MusicSettings& settings, const std::string& path);

} // namespace kestro
