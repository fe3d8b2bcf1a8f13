// The Wayland backend's start against a compositor of the test's own
// (libwayland-server in a thread of this process) that lacks what the show
// needs: each lack is named in one line and the run ends with status 1.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>
#include <wayland-server.h>

#include <string>
#include <thread>
#include <vector>

#include "renderer/shell/wayland_backend.h"
#include "renderer/shell/wayland_layer_shell_protocol.h"

namespace kestro {
namespace {

constexpr char SOCKET_NAME[] = "kestro-backend-test";

void bindWithoutRequests(wl_client* client, void* data, uint32_t version, uint32_t id) {
    wl_resource_create(client, static_cast<const wl_interface*>(data), static_cast<int>(version),
                       id);
}

// A compositor offering only the globals given, on a socket in a runtime
// folder of its own, which WAYLAND_DISPLAY and XDG_RUNTIME_DIR name.
class PartialCompositor {
  public:
    explicit PartialCompositor(const std::vector<const wl_interface*>& globals) {
        char folder[] = "/tmp/kestro-wayland-test.XXXXXX";
        runtimeFolder_ = mkdtemp(folder);
        setenv("XDG_RUNTIME_DIR", runtimeFolder_.c_str(), 1);
        setenv("WAYLAND_DISPLAY", SOCKET_NAME, 1);
        display_ = wl_display_create();
        if (wl_display_add_socket(display_, SOCKET_NAME) != 0)
            ADD_FAILURE() << "no socket in " << runtimeFolder_;
        for (const wl_interface* interface : globals)
            wl_global_create(display_, interface, 1, const_cast<wl_interface*>(interface),
                             bindWithoutRequests);
        server_ = std::thread([this] { wl_display_run(display_); });
    }
    ~PartialCompositor() {
        wl_display_terminate(display_);
        server_.join();
        wl_display_destroy(display_);
        rmdir(runtimeFolder_.c_str());
        unsetenv("WAYLAND_DISPLAY");
    }

  private:
    std::string runtimeFolder_;
    wl_display* display_ = nullptr;
    std::thread server_;
};

// What start says on stderr, and its status.
struct StartResult {
    int status;
    std::string message;
};

StartResult startBackend() {
    WaylandBackend backend(LayerPlace::Overlay, "kestrovalinde");
    testing::internal::CaptureStderr();
    const int status = backend.start();
    const std::string message = testing::internal::GetCapturedStderr();
    if (status == 0)
        backend.stop();
    return {status, message};
}

TEST(WaylandBackendStart, NoCompositorAtTheSocketNamed) {
    char folder[] = "/tmp/kestro-wayland-test.XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    setenv("XDG_RUNTIME_DIR", folder, 1);
    setenv("WAYLAND_DISPLAY", "wayland-nowhere", 1);
    const StartResult result = startBackend();
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.message, "kestrovalinde: cannot connect to a Wayland compositor at "
                              "WAYLAND_DISPLAY=wayland-nowhere\n");
    unsetenv("WAYLAND_DISPLAY");
    rmdir(folder);
}

// libwayland's own complaint about it is not printed beside the line.
TEST(WaylandBackendStart, NoRuntimeFolderToLookIn) {
    unsetenv("XDG_RUNTIME_DIR");
    setenv("WAYLAND_DISPLAY", "wayland-1", 1);
    const StartResult result = startBackend();
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(
        result.message,
        "kestrovalinde: cannot connect to a Wayland compositor (XDG_RUNTIME_DIR is not set)\n");
    unsetenv("WAYLAND_DISPLAY");
}

TEST(WaylandBackendStart, EachMissingGlobalIsNamed) {
    struct Line {
        std::vector<const wl_interface*> offered;
        const char* message;
    };
    const Line lines[] = {
        {{&wl_compositor_interface, &wl_shm_interface, &wl_seat_interface},
         "kestrovalinde: the Wayland compositor has no layer shell (zwlr_layer_shell_v1)\n"},
        {{&wl_shm_interface, &zwlr_layer_shell_v1_interface},
         "kestrovalinde: the Wayland compositor has no wl_compositor\n"},
        {{&wl_compositor_interface, &zwlr_layer_shell_v1_interface},
         "kestrovalinde: the Wayland compositor has no shared memory (wl_shm)\n"},
    };
    for (const Line& line : lines) {
        PartialCompositor compositor(line.offered);
        const StartResult result = startBackend();
        EXPECT_EQ(result.status, 1) << line.message;
        EXPECT_EQ(result.message, line.message);
    }
}

} // namespace
} // namespace kestro
