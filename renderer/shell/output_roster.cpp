#include "renderer/shell/output_roster.h"

#include <algorithm>

namespace kestro {

void OutputRoster::add(uint32_t name) {
    if (!has(name))
        names_.push_back(name);
}

void OutputRoster::drop(uint32_t name) {
    names_.erase(std::remove(names_.begin(), names_.end(), name), names_.end());
}

bool OutputRoster::has(uint32_t name) const {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

std::optional<uint32_t> OutputRoster::showOutput() const {
    if (names_.empty())
        return std::nullopt;
    return names_.front();
}

} // namespace kestro
