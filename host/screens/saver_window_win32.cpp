#include "host/screens/saver_window.h"

namespace kestro {

void CreateSaverWindow() {}

} // namespace kestro
