# Benchmarks of the window against bare Qt floors; not part of CTest.
# bench/run.sh builds them in Release and prints the table.

# Start-up: the program's own start-up code with a first-frame probe linked
# in, a bare window with the same widgets and the same probe, and the runner
# that starts them in turn.
qt_add_executable(startup_probe startup_probe_main.cpp first_frame_probe.cpp)
target_link_libraries(startup_probe PRIVATE dms2dd_app Qt6::Widgets)

qt_add_executable(startup_floor startup_floor_main.cpp first_frame_probe.cpp)
target_link_libraries(startup_floor PRIVATE Qt6::Widgets)

add_executable(startup_bench startup_bench.cpp median.h)
set_target_properties(startup_bench PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

# What the offscreen window benchmarks share.
add_library(dms2dd_offscreen_session STATIC offscreen_session.h offscreen_session.cpp)
target_link_libraries(dms2dd_offscreen_session PUBLIC dms2dd_window Qt6::Widgets Qt6::Test)

# Keystroke to result, offscreen.
qt_add_executable(keystroke_bench keystroke_bench.cpp median.h)
target_link_libraries(keystroke_bench PRIVATE dms2dd_offscreen_session)

# A megabyte pasted into the degrees field, offscreen.
qt_add_executable(paste_bench paste_bench.cpp median.h)
target_link_libraries(paste_bench PRIVATE dms2dd_offscreen_session)
