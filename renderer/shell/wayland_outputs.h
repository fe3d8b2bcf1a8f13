#pragma once
// The compositor's outputs as the show's client holds them: each bound
// output by its registry name, and the roster that says which holds the
// show. Outputs come and go while the show runs.

#include <cstdint>
#include <map>

#include "renderer/shell/output_roster.h"

struct wl_output;

namespace kestro {

class WaylandOutputs {
  public:
    WaylandOutputs() = default;
    ~WaylandOutputs();
    WaylandOutputs(const WaylandOutputs&) = delete;
    WaylandOutputs& operator=(const WaylandOutputs&) = delete;

    // A bound output, now ours to release.
    void add(uint32_t name, wl_output* output, uint32_t version);
    // The compositor took the output away; unknown names change nothing.
    void remove(uint32_t name);
    // Its surface was closed: it keeps no surface until announced anew.
    void drop(uint32_t name) { roster_.drop(name); }
    void clear();

    wl_output* output(uint32_t name) const;
    const OutputRoster& roster() const { return roster_; }

  private:
    struct Bound {
        wl_output* output;
        uint32_t version;
    };
    static void release(const Bound& bound);

    std::map<uint32_t, Bound> bound_;
    OutputRoster roster_;
};

} // namespace kestro
