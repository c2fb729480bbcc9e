#include "x_input.h"

#include "command.h"
#include "e2e_timing.h"

namespace e2e {

bool XInput::click(const QString &windowId, QPoint point, QString *error) const
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), windowId,
                    QString::number(point.x()), QString::number(point.y()), QStringLiteral("click"),
                    QStringLiteral("1")},
                   error);
}

bool XInput::type(const QString &text, QString *error) const
{
    // "--": a text such as "-1.79E308" is not an option.
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("--"), text},
                   error);
}

bool XInput::key(const QString &keys, QString *error) const
{
    return xdotool({QStringLiteral("key"), QStringLiteral("--"), keys}, error);
}

bool XInput::xdotool(const QStringList &arguments, QString *error) const
{
    const QString program = QStringLiteral("xdotool");
    const CommandResult result = runCommand(program, arguments, m_environment, toolLimit);
    if (result.succeeded())
        return true;
    *error = result.describe(program) + QStringLiteral(" (") + arguments.join(QLatin1Char(' ')) + QLatin1Char(')');
    return false;
}

} // namespace e2e
