#pragma once
// Kestrovalinde_P: the settings dialog "<Kestrovalinde>".

namespace kestro {

// Shows the dialog modally; returns when it has closed.
void ShowSettingsDialog();

} // namespace kestro
