#pragma once

#include <string_view>

namespace runtime {

// The scripting shell object, for synthesised keystrokes: a handler creates
// one when it needs it and it goes when the handler ends.
class ScriptShell
{
public:
    // Queues keystrokes for whatever control has the focus when the queue is
    // processed, after the running handler has returned. Only "{Tab}" (one
    // press of Tab: the focus moves to the next control in the window's focus
    // order) is known; any other key text raises the runtime's error.
    void SendKeys(std::string_view keys) const;
};

} // namespace runtime
