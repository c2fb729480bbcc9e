#include "control.h"

#include "window/form1_description.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <string_view>

namespace {

struct NamedControl
{
    Control control;
    const char *word;
    std::string_view name;
    std::int16_t index;
};

constexpr std::array namedControls{
    NamedControl{Control::Degrees, "degrees", "Text1", 0},
    NamedControl{Control::Minutes, "minutes", "Text1", 1},
    NamedControl{Control::Seconds, "seconds", "Text1", 2},
    NamedControl{Control::Result, "result", "Text2", runtime::notInArray},
    NamedControl{Control::Copier, "copier", "Command1", runtime::notInArray},
    NamedControl{Control::Caption, "caption", "Label3", runtime::notInArray},
};

const NamedControl &named(Control control)
{
    return namedControls[static_cast<std::size_t>(control)];
}

} // namespace

const runtime::ControlDescription &describedControl(Control control)
{
    const NamedControl &wanted = named(control);
    for (const runtime::ControlDescription &described : window::form1Description.controls) {
        if (described.name == wanted.name && described.index == wanted.index)
            return described;
    }
    // The tests cannot go on without the window they are written for.
    qFatal("the window's description has no control %s", qPrintable(objectNameOf(control)));
}

QString objectNameOf(Control control)
{
    const NamedControl &wanted = named(control);
    return QString::fromStdString(runtime::objectNameOf(wanted.name, wanted.index));
}

std::optional<Control> controlNamed(const QString &word)
{
    for (const NamedControl &candidate : namedControls) {
        if (word == QLatin1String(candidate.word))
            return candidate.control;
    }
    return std::nullopt;
}
