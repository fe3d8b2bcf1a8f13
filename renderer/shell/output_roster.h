#pragma once
// The outputs a compositor has announced, in the order it announced them,
// and the part each plays in the show: the first one still taking part
// holds the show, every other one a black cover (as the Windows renderer
// covers the other monitors). Outputs are known by their registry names.

#include <cstdint>
#include <optional>
#include <vector>

namespace kestro {

class OutputRoster {
  public:
    // A new output takes part; one already in the roster stays where it is.
    void add(uint32_t name);
    // The output went away, or its surface was closed: it takes no more part.
    // The show moves on to the first one left.
    void drop(uint32_t name);
    void clear() { names_.clear(); }

    bool has(uint32_t name) const;
    // The output that holds the show; none while there is no output.
    std::optional<uint32_t> showOutput() const;
    const std::vector<uint32_t>& names() const { return names_; }

  private:
    std::vector<uint32_t> names_;
};

} // namespace kestro
