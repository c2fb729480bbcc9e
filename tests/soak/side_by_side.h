#pragma once

#include "user_event.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

struct Mismatch
{
    std::size_t event;   // index of the event after which the two differed
    QString what;
};

struct SessionOutcome
{
    std::optional<Mismatch> mismatch;
    unsigned long refusals = 0;    // minutes or seconds above 60
    unsigned long overflows = 0;   // sums beyond the doubles
};

// Plays the events on a fresh window and on the model side by side and
// compares the two after every event, up to the first difference.
SessionOutcome playSideBySide(const std::vector<UserEvent> &events);
