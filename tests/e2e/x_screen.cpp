#include "x_screen.h"

#include "command.h"
#include "e2e_timing.h"

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

std::optional<QString> XScreen::findWindow(qint64 pid, const QString &namePattern, QString *error) const
{
    const QString xdotool = QStringLiteral("xdotool");
    const CommandResult result =
        runCommand(xdotool,
                   {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), namePattern},
                   m_environment, toolLimit);
    const QString found = QString::fromUtf8(result.out).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (result.succeeded() && !found.isEmpty())
        return found;
    // Exit status 1 with no output is the ordinary "none yet".
    if (!(result.finished && result.exitCode == 1))
        *error = result.describe(xdotool);
    return std::nullopt;
}

std::optional<WindowState> XScreen::windowState(const QString &windowId, QString *error) const
{
    const QString xwininfo = QStringLiteral("xwininfo");
    const CommandResult result = runCommand(xwininfo, {QStringLiteral("-id"), windowId}, m_environment, toolLimit);
    if (!result.succeeded()) {
        *error = result.describe(xwininfo);
        return std::nullopt;
    }
    const QString report = QString::fromUtf8(result.out);
    const auto x = xwininfoField(report, QStringLiteral("Absolute upper-left X"));
    const auto y = xwininfoField(report, QStringLiteral("Absolute upper-left Y"));
    const auto width = xwininfoField(report, QStringLiteral("Width"));
    const auto height = xwininfoField(report, QStringLiteral("Height"));
    if (!x || !y || !width || !height) {
        *error = QStringLiteral("xwininfo gave no geometry: ") + report;
        return std::nullopt;
    }
    return WindowState{QRect(*x, *y, *width, *height), report.contains(QStringLiteral("Map State: IsViewable"))};
}

std::optional<QString> XScreen::property(const QString &windowId, const QString &name, QString *error) const
{
    const QString xprop = QStringLiteral("xprop");
    const CommandResult result = runCommand(xprop, {QStringLiteral("-id"), windowId, name}, m_environment, toolLimit);
    if (!result.succeeded()) {
        *error = result.describe(xprop);
        return std::nullopt;
    }
    return QString::fromUtf8(result.out);
}

std::optional<QImage> XScreen::screenshot(QString *error) const
{
    const QString import = QStringLiteral("import");
    const CommandResult result = runCommand(
        import, {QStringLiteral("-silent"), QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")},
        m_environment, toolLimit);
    QImage image;
    if (!result.succeeded() || !image.loadFromData(result.out, "PNG")) {
        *error = result.describe(import);
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace e2e
