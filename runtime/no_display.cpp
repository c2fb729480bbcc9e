#include "runtime/no_display.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace runtime {
namespace {

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// The toolkit takes "-platform" and "-display" with one or two dashes.
bool isDisplayOption(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    return argument == "-platform" || argument == "-display";
}

} // namespace

bool displayNamed(int argc, const char *const *argv)
{
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return true;
    for (int i = 1; i + 1 < argc; ++i) {
        if (isDisplayOption(argv[i]))
            return true;
    }
    return false;
}

std::string noDisplayLine(std::string_view program, NoDisplay reason)
{
    const char *why = reason == NoDisplay::NoneNamed ? "ni DISPLAY ni WAYLAND_DISPLAY n'est défini"
                                                     : "l'affichage demandé ne répond pas";
    return std::string(program) + " : aucun affichage trouvé (" + why + "), la fenêtre ne peut pas s'ouvrir.\n";
}

void reportNoDisplay(std::string_view program, NoDisplay reason)
{
    std::fputs(noDisplayLine(program, reason).c_str(), stderr);
    std::fflush(stderr);
}

} // namespace runtime
