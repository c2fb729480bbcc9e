#pragma once

#include "runtime/form_description.h"

namespace window {

// The conversion window as its designer laid it out.
extern const runtime::FormDescription form1Description;

} // namespace window
