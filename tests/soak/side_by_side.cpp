#include "side_by_side.h"

#include "window_driver.h"
#include "window_model.h"

#include "decimal_separator.h"
#include "form1_fixture.h"
#include "runtime/beep.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {

const QColor red(255, 0, 0);
const QColor inactiveBorderGrey(212, 208, 200);

const std::array<Control, 4> lineEdits{Control::Degrees, Control::Minutes, Control::Seconds, Control::Result};
const std::array<Control, 3> inputFields{Control::Degrees, Control::Minutes, Control::Seconds};

QString nameOf(const QWidget *widget)
{
    return widget ? widget->objectName() : QStringLiteral("nothing");
}

std::optional<QString> difference(const WindowModel &model, const Form1Fixture &fixture, unsigned long beepsAtStart)
{
    if (!fixture.errors().empty())
        return QStringLiteral("runtime error: %1").arg(fixture.errors().front());
    for (Control control : lineEdits) {
        const auto *edit = static_cast<const QLineEdit *>(widgetOf(fixture, control));
        if (edit->text() != model.text(control))
            return QStringLiteral("%1 shows \"%2\", the model \"%3\"")
                .arg(edit->objectName(), edit->text(), model.text(control));
    }
    for (Control field : inputFields) {
        const QPalette palette = widgetOf(fixture, field)->palette();
        if ((palette.color(QPalette::Text) == red) != model.isRed(field))
            return QStringLiteral("%1 is %2red, the model says %3red")
                .arg(nameOf(widgetOf(fixture, field)), model.isRed(field) ? "not " : "", model.isRed(field) ? "" : "not ");
        if (palette.color(QPalette::Base) != inactiveBorderGrey)
            return QStringLiteral("%1 has lost its grey background").arg(nameOf(widgetOf(fixture, field)));
    }
    if (QApplication::focusWidget() != widgetOf(fixture, model.focus()))
        return QStringLiteral("focus on %1, the model says %2")
            .arg(nameOf(QApplication::focusWidget()), nameOf(widgetOf(fixture, model.focus())));
    if (QApplication::clipboard()->text() != model.clipboard())
        return QStringLiteral("clipboard holds \"%1\", the model \"%2\"")
            .arg(QApplication::clipboard()->text(), model.clipboard());
    const unsigned long beeps = runtime::beepCount() - beepsAtStart;
    if (beeps != model.beeps())
        return QStringLiteral("%1 beeps, the model counts %2").arg(beeps).arg(model.beeps());
    return std::nullopt;
}

} // namespace

SessionOutcome playSideBySide(const std::vector<UserEvent> &events)
{
    QApplication::clipboard()->clear();
    Form1Fixture fixture;
    WindowModel model(systemDecimalSeparator());
    const unsigned long beepsAtStart = runtime::beepCount();
    SessionOutcome outcome;
    if (auto what = difference(model, fixture, beepsAtStart)) {
        outcome.mismatch = Mismatch{0, "before any event: " + *what};
        return outcome;
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        const int cursorAfterClick = perform(fixture, events[i]);
        model.apply(events[i], cursorAfterClick);
        model.runQueuedKeystrokes();
        if (auto what = difference(model, fixture, beepsAtStart)) {
            outcome.mismatch = Mismatch{i, *what};
            break;
        }
    }
    outcome.refusals = model.refusals();
    outcome.overflows = model.overflows();
    return outcome;
}
