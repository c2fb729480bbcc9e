#include "runtime/error_report.h"

#include "runtime/runtime_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdlib>
#include <new>

namespace runtime {
namespace {

void showReportAndEnd(const ErrorReport &report)
{
    const QString text = QStringLiteral("Erreur d'exécution '%1' :\n\n%2")
                             .arg(report.number)
                             .arg(QString::fromStdString(report.message));
    QMessageBox::critical(nullptr, QApplication::applicationName(), text);
    // The failed handler may have left the window half updated: end at once,
    // without running it any further.
    std::_Exit(EXIT_FAILURE);
}

ErrorSink &currentSink()
{
    static ErrorSink sink = showReportAndEnd;
    return sink;
}

} // namespace

void setErrorSink(ErrorSink sink)
{
    currentSink() = sink ? std::move(sink) : ErrorSink(showReportAndEnd);
}

void dispatch(const std::function<void()> &handler) noexcept
{
    ErrorReport report;
    try {
        handler();
        return;
    } catch (const RuntimeError &error) {
        report = {error.number(), error.what()};
    } catch (const std::bad_alloc &) {
        report = {errors::outOfMemory, errors::outOfMemoryText};
    } catch (const std::exception &error) {
        report = {errors::internalError, std::string(errors::internalErrorText) + " : " + error.what()};
    } catch (...) {
        report = {errors::internalError, errors::internalErrorText};
    }
    currentSink()(report);
}

} // namespace runtime
