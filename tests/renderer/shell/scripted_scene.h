#pragma once
// The shell's owner for the shell's tests: it records what the shell hands
// it, checks Escape the way the real scene does, and runs a script after
// each step.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "renderer/shell/shell_events.h"
#include "renderer/shell/key_table.h"

namespace kestro::testing {

class ScriptedScene : public ShellEvents {
  public:
    bool initSucceeds = true;
    int initCount = 0;
    int stepCount = 0;
    int drawnCount = 0;
    std::vector<uint32_t> elapsed;
    const KeyTable* keys = nullptr;
    // Where Escape and the safety net send their quit request.
    std::function<void()> requestQuit;
    // The port's call record the scene's calls join, when set.
    std::vector<std::string>* calls = nullptr;
    // Called after drawn step n (counting from 1).
    std::function<void(int drawn)> afterDrawn;
    // Safety net: a shell that never quits fails the test instead of hanging.
    int stepLimit = 100000;

    bool initScene(const KeyTable& keyTable) override {
        ++initCount;
        keys = &keyTable;
        record("initScene");
        return initSucceeds;
    }
    void updateTiming(uint32_t elapsedMilliseconds) override {
        elapsed.push_back(elapsedMilliseconds);
        record("updateTiming " + std::to_string(elapsedMilliseconds));
        if (keys->keys[KEY_ESCAPE] == 1)
            requestQuit();
    }
    void drawFrame(bool drawn) override {
        ++stepCount;
        if (!drawn) {
            record("step");
        } else {
            ++drawnCount;
            record("drawFrame");
            if (afterDrawn)
                afterDrawn(drawnCount);
        }
        if (stepCount == stepLimit) {
            ADD_FAILURE() << "the shell did not stop";
            requestQuit();
        }
    }

  private:
    void record(const std::string& call) {
        if (calls != nullptr)
            calls->push_back(call);
    }
};

} // namespace kestro::testing
