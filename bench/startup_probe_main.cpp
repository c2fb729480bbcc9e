// The program exactly as app/main.cpp starts it; first_frame_probe.cpp,
// linked beside it, reports its first frame and ends it.

#include "app/startup.h"

int main(int argc, char **argv)
{
    return app::start(argc, argv);
}
