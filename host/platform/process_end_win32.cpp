#include "host/platform/process_end_win32.h"

#include <windows.h>

namespace kestro {

void endHostProcess() {
    ExitProcess(0);
}

} // namespace kestro
