#pragma once
// The Windows multimedia system behind the music module.

#include "host/music/mci_port.h"

namespace kestro {

MciPort& SystemMciPort();

} // namespace kestro
