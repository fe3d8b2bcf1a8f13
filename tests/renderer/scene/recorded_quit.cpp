#include "tests/renderer/scene/recorded_quit.h"

namespace kestro {

namespace testing {
std::vector<RendererWindow*>& quitRequests() {
    static std::vector<RendererWindow*> requests;
    return requests;
}
} // namespace testing

void requestQuit(RendererWindow* window) {
    testing::quitRequests().push_back(window);
}

} // namespace kestro
