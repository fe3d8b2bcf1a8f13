#include "host/settings/settings_dialog.h"

namespace kestro {

void ShowSettingsDialog() {}

} // namespace kestro
