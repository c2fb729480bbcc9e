#pragma once

#include <functional>
#include <string>

namespace runtime {

class RuntimeError;

// Runs one event handler. An error that escapes it (a RuntimeError, or an
// unexpected failure such as running out of memory) never travels back
// through the toolkit's event code: it is reported here and the program ends.
void dispatch(const std::function<void()> &handler) noexcept;

// The report of an untrapped error: the error number and its French wording.
struct ErrorReport
{
    int number;
    std::string message;
};

// Where untrapped errors go. By default a French message box names the error
// and the program ends; tests install their own sink to observe the report.
using ErrorSink = std::function<void(const ErrorReport &)>;
void setErrorSink(ErrorSink sink);

} // namespace runtime
