// Benchmarks of the number layer against the standard conversions it is
// built on: readNumber() vs std::from_chars, numberText() vs std::to_chars
// with 15 significant digits, on the same realistic inputs (angles as typed
// or computed). The shortest std::to_chars, and readNumber() on the same
// numbers written with the blanks, marks, digits and dashes of other
// keyboards, are timed too.
// Build with optimizations (CMAKE_BUILD_TYPE=Release) before reading times.
//
// The input of each timed loop is a variable declared before the loop and
// passed through benchmark::DoNotOptimize() at each turn: declared inside the
// loop, it was seen (GCC 12 -O3, Google Benchmark 1.7.1) never to be stored,
// the timed conversion reading an uninitialized stack slot instead.

#include "number/number_reading.h"
#include "number/number_text.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What a user types or pastes: degrees, minutes, seconds, decimal degrees.
const std::vector<std::string> kTexts = {
    "45",
    "12.5",
    "-9,508333",
    "0.000277777777777778",
    "359,99999999",
    "-123.456789012345",
    "2,77777777777778E-07",
    "1.5e-5",
    "1E+15",
};

// Numbers as pasted from web pages and PDFs: a no-break space, a direction
// mark, an en dash for minus, full-width and Arabic-Indic digits.
const std::vector<std::string> kTextsAsSeen = {
    "\u00A045",
    "\u200F12.5",
    "\u2013" "9,508333",
    "\uFF14\uFF15,\uFF15",
    "\u0663\u0665\u0669,\u0669\u0669",
};

// The same texts as std::from_chars accepts them: '.' as separator.
std::vector<std::string> dotTexts()
{
    std::vector<std::string> result = kTexts;
    for (auto& text : result) {
        for (char& c : text) {
            if (c == ',')
                c = '.';
        }
    }
    return result;
}

// What the window shows: the same numbers as doubles, and results of the
// degrees + minutes / 60 + seconds / 3600 sum.
std::vector<double> values()
{
    std::vector<double> result;
    for (const auto& text : kTexts)
        result.push_back(number::readNumber(text));
    result.push_back(12.0 + 30.0 / 60.0 + 30.0 / 3600.0);
    result.push_back(-(9.0 + 30.0 / 60.0 + 30.0 / 3600.0));
    result.push_back(1.0 / 3.0);
    return result;
}

void readNumber(benchmark::State& state)
{
    const std::string& text = kTexts[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(text);
    std::string_view view = text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view);
        double value = number::readNumber(view);
        benchmark::DoNotOptimize(value);
    }
}

void fromChars(benchmark::State& state)
{
    const std::string text = dotTexts()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(text);
    const char* first = text.data();
    for (auto _ : state) {
        benchmark::DoNotOptimize(first);
        double value = 0.0;
        auto result = std::from_chars(first, first + text.size(), value);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(value);
    }
}

void readNumberAll(benchmark::State& state)
{
    for (auto _ : state) {
        for (const auto& text : kTexts) {
            double value = number::readNumber(text);
            benchmark::DoNotOptimize(value);
        }
    }
}

void readNumberAsSeen(benchmark::State& state)
{
    const std::string& text = kTextsAsSeen[static_cast<std::size_t>(state.range(0))];
    std::string_view view = text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view);
        double value = number::readNumber(view);
        benchmark::DoNotOptimize(value);
    }
}

void fromCharsAll(benchmark::State& state)
{
    const auto texts = dotTexts();
    for (auto _ : state) {
        for (const auto& text : texts) {
            double value = 0.0;
            auto result = std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(result);
            benchmark::DoNotOptimize(value);
        }
    }
}

void numberText(benchmark::State& state)
{
    const double value = values()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(number::numberText(value, '.'));
    double v = value;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v);
        std::string text = number::numberText(v, '.');
        benchmark::DoNotOptimize(text);
    }
}

// What numberText() is built on: the 15-digit general form.
std::to_chars_result toChars15(char* first, char* last, double value)
{
    return std::to_chars(first, last, value, std::chars_format::general, 15);
}

void toChars(benchmark::State& state)
{
    const double value = values()[static_cast<std::size_t>(state.range(0))];
    char label[64];
    state.SetLabel(std::string(label, toChars15(label, label + sizeof label, value).ptr));
    double v = value;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v);
        char buffer[64];
        auto result = toChars15(buffer, buffer + sizeof buffer, v);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(buffer);
    }
}

// std::to_chars into a std::string, as numberText returns one: tells how
// much of the difference is the string itself.
void toCharsString(benchmark::State& state)
{
    const double value = values()[static_cast<std::size_t>(state.range(0))];
    double v = value;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v);
        char buffer[64];
        auto result = toChars15(buffer, buffer + sizeof buffer, v);
        std::string text(buffer, result.ptr);
        benchmark::DoNotOptimize(text);
    }
}

void numberTextAll(benchmark::State& state)
{
    const auto all = values();
    for (auto _ : state) {
        for (double value : all) {
            std::string text = number::numberText(value, ',');
            benchmark::DoNotOptimize(text);
        }
    }
}

void toCharsAll(benchmark::State& state)
{
    const auto all = values();
    for (auto _ : state) {
        for (double value : all) {
            char buffer[64];
            auto result = toChars15(buffer, buffer + sizeof buffer, value);
            benchmark::DoNotOptimize(result);
            benchmark::DoNotOptimize(buffer);
        }
    }
}

// The shortest form that reads back, cheaper than any fixed precision.
void toCharsShortestAll(benchmark::State& state)
{
    const auto all = values();
    for (auto _ : state) {
        for (double value : all) {
            char buffer[64];
            auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
            benchmark::DoNotOptimize(result);
            benchmark::DoNotOptimize(buffer);
        }
    }
}

const auto kTextCount = static_cast<std::int64_t>(kTexts.size());
const auto kTextAsSeenCount = static_cast<std::int64_t>(kTextsAsSeen.size());
const auto kValueCount = static_cast<std::int64_t>(values().size());

} // namespace

BENCHMARK(readNumber)->DenseRange(0, kTextCount - 1);
BENCHMARK(fromChars)->DenseRange(0, kTextCount - 1);
BENCHMARK(readNumberAsSeen)->DenseRange(0, kTextAsSeenCount - 1);
BENCHMARK(readNumberAll);
BENCHMARK(fromCharsAll);
BENCHMARK(numberText)->DenseRange(0, kValueCount - 1);
BENCHMARK(toChars)->DenseRange(0, kValueCount - 1);
BENCHMARK(toCharsString)->DenseRange(0, kValueCount - 1);
BENCHMARK(numberTextAll);
BENCHMARK(toCharsAll);
BENCHMARK(toCharsShortestAll);

BENCHMARK_MAIN();
