#include "app/startup.h"

#include "app/project_info.h"

#include "window/form1.h"

#include "runtime/application.h"

#include <array>
#include <memory>
#include <string_view>

namespace app {
namespace {

// The sizes a title bar and a task switcher draw. Launchers take the larger
// ones from the installed icon theme; decoding them here would only slow the
// first frame.
constexpr std::array<std::string_view, 5> iconFiles{
    ":/icons/dms2dd-16.png", ":/icons/dms2dd-24.png", ":/icons/dms2dd-32.png",
    ":/icons/dms2dd-48.png", ":/icons/dms2dd-64.png",
};

} // namespace

int start(int &argc, char **argv)
{
    const runtime::ProjectRecord project{
        programName,
        applicationId,
        programVersion,
        iconFiles,
        [] { return std::make_unique<window::Form1>(); },
    };
    return runtime::run(argc, argv, project);
}

} // namespace app
