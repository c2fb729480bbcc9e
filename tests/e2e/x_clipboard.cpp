#include "x_clipboard.h"

#include "command.h"
#include "e2e_timing.h"
#include "polling.h"

namespace e2e {
namespace {

const QString xclip = QStringLiteral("xclip");

} // namespace

XClipboard::XClipboard(QProcessEnvironment toolEnvironment) : m_environment(std::move(toolEnvironment)) {}

XClipboard::~XClipboard()
{
    for (const auto &owner : m_owners) {
        if (owner->state() != QProcess::NotRunning) {
            owner->kill();
            owner->waitForFinished(static_cast<int>(endLimit.count()));
        }
    }
}

std::optional<QString> XClipboard::read(QString *error) const
{
    const CommandResult result =
        runCommand(xclip, {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                           QStringLiteral("-t"), QStringLiteral("UTF8_STRING")},
                   m_environment, toolLimit);
    if (result.succeeded())
        return QString::fromUtf8(result.out);
    // "Error: target UTF8_STRING not available": nobody offers text.
    if (result.finished && result.exitCode == 1 && result.out.isEmpty() && result.err.contains("not available"))
        return QString();
    *error = result.describe(xclip);
    return std::nullopt;
}

bool XClipboard::offer(const QString &text, QString *error)
{
    auto owner = std::make_unique<QProcess>();
    owner->setProcessEnvironment(m_environment);
    // -quiet keeps xclip in the foreground, so that it stays ours to end.
    owner->start(xclip, {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i"),
                         QStringLiteral("-quiet")});
    if (!owner->waitForStarted(static_cast<int>(toolLimit.count()))) {
        *error = QStringLiteral("xclip could not be started: ") + owner->errorString();
        return false;
    }
    owner->write(text.toUtf8());
    owner->closeWriteChannel();
    m_owners.push_back(std::move(owner));

    if (waitUntil([&] { return read(error) == text; }, clipboardLimit))
        return true;
    if (error->isEmpty())
        *error = QStringLiteral("the clipboard did not take the text \"%1\"").arg(text);
    return false;
}

QString XClipboard::waitFor(const QString &expected, std::chrono::milliseconds limit) const
{
    QString last;
    waitUntil(
        [&] {
            QString error;
            const std::optional<QString> text = read(&error);
            last = text.value_or(QStringLiteral("<%1>").arg(error));
            return text == expected;
        },
        limit);
    return last;
}

} // namespace e2e
