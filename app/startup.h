#pragma once

namespace app {

// Hands the program to the runtime with the conversion window as its
// start-up form; returns when the window has closed.
int start(int &argc, char **argv);

} // namespace app
