#pragma once
// The layer shell's generated client header, for C++: one of its requests
// has an argument named `namespace`, renamed here while it is read.

#include <wayland-client.h>

#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
