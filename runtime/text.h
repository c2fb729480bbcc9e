#pragma once

#include <string>

namespace runtime {

// The runtime's string, UTF-8 encoded. The empty text is "".
using Text = std::string;

} // namespace runtime
