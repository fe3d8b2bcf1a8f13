#pragma once
// Kestrovalinde_S: the hidden saver window that writes the sprite, starts
// the renderer and the music, and ends the host when the renderer is gone.
// Kestrovalinde_S is its designer's name for it, as Pic1 is for its picture
// box; the host keeps these names so that the saver's behaviour can be
// followed by them. Its timers are named by what they watch
// (saver_screen_events.h).

#include <memory>
#include <string>

#include "host/forms/form_window_win32.h"
#include "host/music/mci_port.h"
#include "host/music/music_settings.h"
#include "host/screens/saver_port.h"

namespace kestro {

// Creates the saver window without showing it; its load handler does the
// work. The window lives as long as the returned form.
std::unique_ptr<FormWindow> CreateSaverWindow(SaverPort& system, MciPort& mci,
                                              const MusicSettings& settings,
                                              const std::string& hostFolder, char modeLetter);

} // namespace kestro
