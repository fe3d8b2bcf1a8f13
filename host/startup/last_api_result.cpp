#include "host/startup/last_api_result.h"

namespace kestro {

int32_t LastApiResult = 0;

} // namespace kestro
