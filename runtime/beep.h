#pragma once

namespace runtime {

// Sounds the system's default beep (the windowing system's bell).
void beep();

// How many beeps this process has sounded, so tests can hear them.
unsigned long beepCount();

} // namespace runtime
