#pragma once
// The scene tests stand in for the shell: requestQuit only records its
// calls here.

#include <vector>

#include "renderer/shell/key_table.h"

namespace kestro::testing {

// Every window requestQuit was called with, in order.
std::vector<RendererWindow*>& quitRequests();

} // namespace kestro::testing
