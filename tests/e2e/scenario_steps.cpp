#include "scenario_steps.h"

#include "conversion_session.h"

namespace e2e {

bool performStep(ConversionSession &session, const QString &step, QString *error)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString argument = step.section(QLatin1Char(' '), 1);
    bool done = false;
    if (step == QStringLiteral("click background")) {
        done = session.clickBackground();
    } else if (verb == QStringLiteral("click")) {
        const auto control = controlNamed(argument);
        if (!control) {
            *error = QStringLiteral("no control named \"%1\"").arg(argument);
            return false;
        }
        done = session.click(*control);
    } else if (verb == QStringLiteral("type")) {
        done = session.type(argument);
    } else if (verb == QStringLiteral("key")) {
        done = session.key(argument);
    } else if (verb == QStringLiteral("offer")) {
        done = session.offer(argument);
    } else {
        *error = QStringLiteral("unknown step");
        return false;
    }
    if (!done)
        *error = QString::fromUtf8(session.failure());
    return done;
}

bool performSteps(ConversionSession &session, const QStringList &steps, QString *error)
{
    for (const QString &step : steps) {
        if (!performStep(session, step, error)) {
            *error = step + QStringLiteral(": ") + *error;
            return false;
        }
    }
    return true;
}

} // namespace e2e
