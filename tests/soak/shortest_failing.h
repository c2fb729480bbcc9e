#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

// Shrinks a failing sequence by delta debugging: drops chunks, halving
// their size, while the rest still fails, until no single element can go
// or the time is up. `fails` replays a candidate from scratch.
template <typename Event>
std::vector<Event> shortestFailing(std::vector<Event> events,
                                   const std::function<bool(const std::vector<Event> &)> &fails,
                                   std::chrono::steady_clock::duration budget)
{
    const auto deadline = std::chrono::steady_clock::now() + budget;

    // A fault usually needs only the last few events: try growing suffixes
    // first, each one cheap to replay.
    for (std::size_t length = 1; length < events.size(); length *= 2) {
        std::vector<Event> suffix(events.end() - static_cast<std::ptrdiff_t>(length), events.end());
        if (fails(suffix)) {
            events = std::move(suffix);
            break;
        }
    }

    std::size_t chunks = 2;
    while (events.size() >= 2 && std::chrono::steady_clock::now() < deadline) {
        const std::size_t chunk = (events.size() + chunks - 1) / chunks;
        bool dropped = false;
        for (std::size_t start = 0; start < events.size(); start += chunk) {
            std::vector<Event> rest(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
            rest.insert(rest.end(), events.begin() + static_cast<std::ptrdiff_t>(std::min(start + chunk, events.size())),
                        events.end());
            if (fails(rest)) {
                events = std::move(rest);
                chunks = std::max<std::size_t>(chunks - 1, 2);
                dropped = true;
                break;
            }
            if (std::chrono::steady_clock::now() >= deadline)
                return events;
        }
        if (!dropped) {
            if (chunk == 1)
                break;
            chunks = std::min(chunks * 2, events.size());
        }
    }
    return events;
}
