#include "app/startup.h"

#include "app/project_info.h"

#include "window/form1.h"

#include "runtime/application.h"

#include <memory>

namespace app {

int start(int &argc, char **argv)
{
    const runtime::ProjectRecord project{
        programName,
        applicationId,
        programVersion,
        // Compiled in by app/CMakeLists.txt, one image per size.
        ":/icons",
        [] { return std::make_unique<window::Form1>(); },
    };
    return runtime::run(argc, argv, project);
}

} // namespace app
