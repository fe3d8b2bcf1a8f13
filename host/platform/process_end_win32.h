#pragma once
// The host's way out of every mode.

namespace kestro {

// Ends the process at once: windows still loaded are torn down without
// their close handlers.
[[noreturn]] void endHostProcess();

} // namespace kestro
