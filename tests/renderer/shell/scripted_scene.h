#pragma once
// A scene for the shell's tests: it records what the shell hands it, checks
// Escape the way the real scene does, and runs a script after each frame.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "renderer/shell/render_loop.h"
#include "tests/renderer/shell/recording_shell_port.h"

namespace kestro::testing_shell {

struct ScriptedScene {
    bool initSucceeds = true;
    int initCount = 0;
    int frameCount = 0;
    std::vector<uint32_t> elapsed;
    RendererWindow* window = nullptr;
    KeyTable* keys = nullptr;
    RecordingShellPort* port = nullptr;
    // Called after frame n (counting from 1) was drawn.
    std::function<void(int frame)> afterFrame;
    // Safety net: a shell that never quits fails the test instead of hanging.
    int frameLimit = 1000;

    static ScriptedScene*& current() {
        static ScriptedScene* scene = nullptr;
        return scene;
    }

    static bool init(RendererWindow* window, KeyTable* keys) {
        ScriptedScene& scene = *current();
        ++scene.initCount;
        scene.window = window;
        scene.keys = keys;
        if (scene.port)
            scene.port->calls.push_back("initScene");
        return scene.initSucceeds;
    }
    static void update(uint32_t elapsedMilliseconds) {
        ScriptedScene& scene = *current();
        scene.elapsed.push_back(elapsedMilliseconds);
        if (scene.port)
            scene.port->calls.push_back("updateTiming " + std::to_string(elapsedMilliseconds));
        if (scene.keys->keys[KEY_ESCAPE] == 1)
            requestQuit(scene.window);
    }
    static void draw() {
        ScriptedScene& scene = *current();
        ++scene.frameCount;
        if (scene.port)
            scene.port->calls.push_back("drawFrame");
        if (scene.afterFrame)
            scene.afterFrame(scene.frameCount);
        if (scene.frameCount >= scene.frameLimit) {
            ADD_FAILURE() << "the shell did not stop";
            requestQuit(scene.window);
        }
    }

    SceneHooks hooks() {
        current() = this;
        return SceneHooks{init, update, draw};
    }
};

} // namespace kestro::testing_shell
