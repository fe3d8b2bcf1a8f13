#pragma once
// The stored properties of a control: what the form keeps for it between
// runs, keyed by property name. A key that is missing stands for the
// property's default. Booleans are stored as 16-bit style integers (-1 / 0).

#include "host/controls/font_description.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>

namespace kestro {

using PropertyValue = std::variant<int32_t, std::string, FontDescription>;
using PropertyBag = std::map<std::string, PropertyValue, std::less<>>;

} // namespace kestro
