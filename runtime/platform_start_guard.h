#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace runtime {

// Watches the toolkit's start. Qt ends the process with an abort when its
// platform cannot start, after several lines of its own; while a guard is
// held, such a failure ends the program with status 1 and French words
// instead (failedStartReport). The toolkit's other messages of that moment
// are held back and given out when the guard lets go, so that a failed
// start shows nothing else.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(std::string_view program);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

    // The toolkit has started: messages go their normal way again, the
    // held ones first.
    void release();

private:
    std::string m_program;
    bool m_held = true;
};

// What a failed start says, from the toolkit's warnings of the start and
// its final fatal message, in order (UTF-8):
// - a display that is named and does not answer gives one French line:
//   "dms2dd : aucun affichage trouvé (l'affichage demandé ne répond pas), la
//   fenêtre ne peut pas s'ouvrir.": Qt's "could not connect to display :5",
//   or its "Failed to create wl_display" with waylandDisplayNamed;
// - any other failure (a platform plugin that does not exist, "xcb" chosen
//   with no DISPLAY, ...) gives a French line that the window could not
//   start, then the toolkit's messages, one line each: its reason.
std::string failedStartReport(std::string_view program, const std::vector<std::string> &toolkitMessages,
                              bool waylandDisplayNamed);

} // namespace runtime
