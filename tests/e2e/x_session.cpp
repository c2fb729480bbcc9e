#include "x_session.h"

#include "e2e_run.h"

#include <QRegularExpression>

namespace e2e {
namespace {

std::optional<int> xwininfoField(const QString &report, const QString &label)
{
    const QRegularExpression line(QStringLiteral("^\\s*%1:\\s*(-?\\d+)\\s*$").arg(QRegularExpression::escape(label)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(report);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

} // namespace

XSession::~XSession()
{
    for (const auto &owner : m_clipboardOwners) {
        if (owner->state() != QProcess::NotRunning) {
            owner->kill();
            owner->waitForFinished(static_cast<int>(endLimit.count()));
        }
    }
    endProcess(m_server);
}

bool XSession::start(QSize screen)
{
    // -displayfd: the server picks a free display itself and writes its
    // number to standard output once clients can connect. -noreset keeps
    // the server (and its selections) when the last client leaves.
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()), QStringLiteral("-dpi"),
                    QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                    QStringLiteral("-noreset")});
    if (!m_server.waitForStarted(static_cast<int>(serverStartLimit.count())))
        return fail(QStringLiteral("Xvfb could not be started: ") + m_server.errorString());
    QByteArray announced;
    const bool ready = waitUntil(
        [&] {
            announced += m_server.readAllStandardOutput();
            return announced.contains('\n') || m_server.state() == QProcess::NotRunning;
        },
        serverStartLimit);
    bool isNumber = false;
    const int number = announced.trimmed().toInt(&isNumber);
    if (!ready || !isNumber)
        return fail(QStringLiteral("Xvfb announced no display: ") +
                    QString::fromLocal8Bit(m_server.readAllStandardError().trimmed()));
    m_display = QStringLiteral(":%1").arg(number);
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.remove(QStringLiteral("XAUTHORITY"));
    m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    m_environment.insert(QStringLiteral("DISPLAY"), m_display);
    m_environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return true;
}

ToolResult XSession::run(const QString &program, const QStringList &arguments, const QByteArray &input) const
{
    ToolResult result;
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.start(program, arguments);
    result.started = process.waitForStarted(static_cast<int>(toolLimit.count()));
    if (!result.started)
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    result.finished = process.waitForFinished(static_cast<int>(toolLimit.count()));
    if (!result.finished) {
        process.kill();
        process.waitForFinished(static_cast<int>(endLimit.count()));
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

std::optional<QString> XSession::findWindow(qint64 pid, const QString &namePattern)
{
    const QString xdotool = QStringLiteral("xdotool");
    const ToolResult result = run(xdotool, {QStringLiteral("search"), QStringLiteral("--all"),
                                            QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                            QString::number(pid), QStringLiteral("--name"), namePattern});
    const QString found = QString::fromUtf8(result.out).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (result.succeeded() && !found.isEmpty())
        return found;
    // Exit status 1 with no output is the ordinary "none yet".
    if (!(result.finished && result.exitCode == 1))
        failed(xdotool, result);
    return std::nullopt;
}

std::optional<WindowState> XSession::windowState(const QString &windowId)
{
    const QString xwininfo = QStringLiteral("xwininfo");
    const ToolResult result = run(xwininfo, {QStringLiteral("-id"), windowId});
    if (!result.succeeded()) {
        failed(xwininfo, result);
        return std::nullopt;
    }
    const QString report = QString::fromUtf8(result.out);
    const auto x = xwininfoField(report, QStringLiteral("Absolute upper-left X"));
    const auto y = xwininfoField(report, QStringLiteral("Absolute upper-left Y"));
    const auto width = xwininfoField(report, QStringLiteral("Width"));
    const auto height = xwininfoField(report, QStringLiteral("Height"));
    if (!x || !y || !width || !height) {
        fail(QStringLiteral("xwininfo gave no geometry: ") + report);
        return std::nullopt;
    }
    return WindowState{QRect(*x, *y, *width, *height), report.contains(QStringLiteral("Map State: IsViewable"))};
}

std::optional<QString> XSession::windowProperty(const QString &windowId, const QString &name)
{
    const QString xprop = QStringLiteral("xprop");
    const ToolResult result = run(xprop, {QStringLiteral("-id"), windowId, name});
    if (!result.succeeded()) {
        failed(xprop, result);
        return std::nullopt;
    }
    return QString::fromUtf8(result.out);
}

std::optional<QImage> XSession::screenshot()
{
    const QString import = QStringLiteral("import");
    const ToolResult result = run(import, {QStringLiteral("-silent"), QStringLiteral("-window"),
                                           QStringLiteral("root"), QStringLiteral("png:-")});
    QImage image;
    if (!result.succeeded() || !image.loadFromData(result.out, "PNG")) {
        failed(import, result);
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> XSession::windowShot(const QString &windowId)
{
    // PPM: nothing to compress, several times quicker than the screen as PNG.
    const QString import = QStringLiteral("import");
    const ToolResult result = run(import, {QStringLiteral("-silent"), QStringLiteral("-window"), windowId,
                                           QStringLiteral("ppm:-")});
    QImage image;
    if (!result.succeeded() || !image.loadFromData(result.out, "PPM")) {
        failed(import, result);
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

bool XSession::click(const QString &windowId, QPoint point)
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), windowId, QString::number(point.x()),
                    QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
}

bool XSession::type(const QString &text)
{
    // "--": a text such as "-1.79E308" is not an option.
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("--"), text});
}

bool XSession::key(const QString &keys)
{
    return xdotool({QStringLiteral("key"), QStringLiteral("--"), keys});
}

std::optional<QString> XSession::clipboard()
{
    const QString xclip = QStringLiteral("xclip");
    const ToolResult result = run(xclip, {QStringLiteral("-o"), QStringLiteral("-selection"),
                                          QStringLiteral("clipboard"), QStringLiteral("-t"),
                                          QStringLiteral("UTF8_STRING")});
    if (result.succeeded())
        return QString::fromUtf8(result.out);
    // "Error: target UTF8_STRING not available": nobody offers text.
    if (result.finished && result.exitCode == 1 && result.out.isEmpty() && result.err.contains("not available"))
        return QString();
    failed(xclip, result);
    return std::nullopt;
}

bool XSession::offer(const QString &text)
{
    auto owner = std::make_unique<QProcess>();
    owner->setProcessEnvironment(m_environment);
    // -quiet keeps xclip in the foreground, so that it stays ours to end.
    owner->start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                           QStringLiteral("-i"), QStringLiteral("-quiet")});
    if (!owner->waitForStarted(static_cast<int>(toolLimit.count())))
        return fail(QStringLiteral("xclip could not be started: ") + owner->errorString());
    owner->write(text.toUtf8());
    owner->closeWriteChannel();
    m_clipboardOwners.push_back(std::move(owner));

    m_failure.clear();
    if (waitUntil([&] { return clipboard() == text; }, clipboardLimit))
        return true;
    return m_failure.isEmpty() ? fail(QStringLiteral("the clipboard did not take the text \"%1\"").arg(text)) : false;
}

QString XSession::clipboardOnceItHolds(const QString &expected, std::chrono::milliseconds limit)
{
    QString last;
    waitUntil(
        [&] {
            const std::optional<QString> text = clipboard();
            last = text.value_or(QStringLiteral("<%1>").arg(QString::fromUtf8(m_failure)));
            return text == expected;
        },
        limit);
    return last;
}

bool XSession::fail(const QString &why)
{
    m_failure = why.toUtf8();
    return false;
}

bool XSession::xdotool(const QStringList &arguments)
{
    const QString program = QStringLiteral("xdotool");
    const ToolResult result = run(program, arguments);
    if (result.succeeded())
        return true;
    failed(program, result);
    m_failure += " (" + arguments.join(QLatin1Char(' ')).toUtf8() + ')';
    return false;
}

// One line for a failure message: what ran and how it ended.
bool XSession::failed(const QString &program, const ToolResult &result)
{
    if (!result.started)
        return fail(program + QStringLiteral(" could not be started"));
    if (!result.finished)
        return fail(program + QStringLiteral(" did not end in time"));
    return fail(QStringLiteral("%1 exited with %2: %3")
                    .arg(program)
                    .arg(result.exitCode)
                    .arg(QString::fromUtf8(result.err.trimmed())));
}

} // namespace e2e
