#pragma once

#include <functional>
#include <memory>
#include <string_view>

namespace runtime {

class Form;

// What the program hands the runtime at start: who it is and which window
// starts it.
struct ProjectRecord
{
    std::string_view name;           // application name, the command that starts it
    std::string_view desktopId;      // the desktop entry's id, without ".desktop"
    std::string_view version;        // "1.0.0.0"
    std::string_view iconFolder;     // resource folder of the window icon, one image per size
    std::function<std::unique_ptr<Form>()> startupForm;
};

// The runtime's main routine: creates the application, the start-up form
// (which raises its Load event), shows it and runs the event loop on this
// one thread until the window closes. Messages of the toolkit itself are in
// French where translations are installed.
int run(int &argc, char **argv, const ProjectRecord &project);

} // namespace runtime
