#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Why the window has nowhere to open.
enum class NoDisplay {
    NoneNamed,      // no display in the environment, no platform chosen
    NoneAnswers,    // a display is named and does not answer
};

// Whether the environment or the command line names a display, or a
// platform that may not need one, for the toolkit to open the window on.
bool displayNamed(int argc, const char *const *argv);

// The French line that says no display was found:
// "dms2dd : aucun affichage trouvé (ni DISPLAY ni WAYLAND_DISPLAY n'est
// défini), la fenêtre ne peut pas s'ouvrir.", with a newline.
std::string noDisplayLine(std::string_view program, NoDisplay reason);

// Writes that line on standard error.
void reportNoDisplay(std::string_view program, NoDisplay reason);

} // namespace runtime
