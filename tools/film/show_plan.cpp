#include "tools/film/show_plan.h"

#include <algorithm>

#include "renderer/renderer_scene.h"
#include "renderer/scene/scene_controller.h"
#include "renderer/shell/render_loop.h"

namespace kestro {

namespace {

// The position the step just run drew: the timeline moves on after drawing,
// so the drawn frame is the one before the current (a restart or the wait's
// end set the stage before the drawing, and are seen here as they drew).
ShownPosition shownPosition(const SceneTimeline& timeline, bool waiting) {
    if (timeline.stageFrame == 0)
        return {waiting, timeline.stage - 1, LAST_STAGE_FRAME};
    return {waiting, timeline.stage, timeline.stageFrame - 1};
}

bool samePlace(const ShownPosition& a, const ShownPosition& b) {
    return a.waiting == b.waiting && a.stage == b.stage && a.stageFrame == b.stageFrame;
}

struct StepRecord {
    uint64_t microseconds;
    ShownPosition shown;
};

// Every step from the start until the timeline shows again the position the
// wait ended on: one whole cycle after the black start.
std::vector<StepRecord> stepsOfOneCycle() {
    UndrawnScenePort undrawn;
    RendererScene scene(undrawn, [] {});
    const KeyTable keys{};
    scene.initScene(keys);
    StepPacer pacer;
    pacer.restart(0);

    std::vector<StepRecord> steps;
    bool waitEnded = false;
    ShownPosition firstShown{};
    for (uint64_t now = 0;; now += pacer.microsecondsUntilNextStep(now)) {
        runDueSteps(pacer, scene, now);
        const SceneTimeline& timeline = scene.state().timeline;
        const ShownPosition shown = shownPosition(timeline, timeline.scenePhase == ScenePhase::Wait);
        if (!waitEnded && !shown.waiting) {
            waitEnded = true;
            firstShown = shown;
        } else if (waitEnded && samePlace(shown, firstShown)) {
            return steps;
        }
        steps.push_back({now, shown});
    }
}

} // namespace

ShowPlan planShow() {
    const std::vector<StepRecord> steps = stepsOfOneCycle();
    ShowPlan plan;
    const uint64_t cycleEnd = steps.back().microseconds;
    for (uint64_t moment = 0; moment <= cycleEnd; moment += FILM_FRAME_MICROSECONDS)
        plan.frameMoments.push_back(moment);

    // Each stage's runs of steps after the wait. The stage the wait ends in
    // is shown in two runs, its end at the start of the film and its
    // beginning at the end; the longer one gives the still.
    struct Run {
        int32_t stage;
        size_t first;
        size_t last;
    };
    std::vector<Run> runs;
    for (size_t i = 0; i < steps.size(); ++i) {
        const ShownPosition& shown = steps[i].shown;
        if (shown.waiting)
            continue;
        if (runs.empty()) {
            plan.waitEndMicroseconds = steps[i].microseconds;
        }
        if (runs.empty() || runs.back().stage != shown.stage)
            runs.push_back({shown.stage, i, i});
        runs.back().last = i;
    }
    for (const Run& run : runs) {
        const auto longer = std::find_if(runs.begin(), runs.end(), [&](const Run& other) {
            return other.stage == run.stage && other.last - other.first > run.last - run.first;
        });
        const bool kept =
            std::any_of(plan.stageStills.begin(), plan.stageStills.end(),
                        [&](const StageStill& still) { return still.stage == run.stage; });
        if (longer == runs.end() && !kept)
            plan.stageStills.push_back({run.stage, steps[(run.first + run.last) / 2].microseconds});
    }
    return plan;
}

} // namespace kestro
