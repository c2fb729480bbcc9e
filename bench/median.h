#pragma once

#include <algorithm>
#include <vector>

// The middle of the samples (the mean of the two middle ones for an even
// count); robust to the odd run that the machine slowed down.
template <typename T>
double median(std::vector<T> samples)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    if (samples.size() % 2 == 1)
        return static_cast<double>(samples[middle]);
    return (static_cast<double>(samples[middle - 1]) + static_cast<double>(samples[middle])) / 2.0;
}
