#pragma once

#include <string>

namespace runtime {

// The system clipboard (on X11 the CLIPBOARD selection).
class Clipboard
{
public:
    // Drops every format the clipboard holds.
    void Clear() const;
    // Stores the text as plain text.
    void SetText(const std::string &text) const;
};

// The runtime's one clipboard object, made on first use and kept for the run.
Clipboard &clipboard();

} // namespace runtime
