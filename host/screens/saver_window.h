#pragma once
// Kestrovalinde_S: the hidden saver window that writes the sprite, starts
// the renderer and the music, and ends the host when the renderer is gone.

namespace kestro {

// Creates the saver window without showing it; its load handler does the work.
void CreateSaverWindow();

} // namespace kestro
