#include "conversion_session.h"

#include "e2e_run.h"

#include "runtime/twips.h"
#include "window/form1_description.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>

namespace e2e {
namespace {

using runtime::pixelsFromTwips;

// The controls that take the focus, in the window's focus order.
constexpr std::array focusOrder{Control::Degrees, Control::Minutes, Control::Seconds, Control::Result,
                                Control::Copier};

// A click puts the focus on a text box, and its frame shows it; a button
// clicked takes the focus without showing it, as the style shows the focus
// on buttons only after a key moved it there.
bool clickShowsFocus(Control control)
{
    return control == Control::Degrees || control == Control::Minutes || control == Control::Seconds
           || control == Control::Result;
}

// Where a key moves the focus from `from`, if it does: Tab to the next
// control in order, round to the first; Enter and Escape through a Tab the
// program queues, Enter in an input field, Escape in an input field or the
// result field.
std::optional<Control> focusAfterKey(const QString &key, Control from)
{
    const bool inputField = from == Control::Degrees || from == Control::Minutes || from == Control::Seconds;
    const bool movesOn = key == QStringLiteral("Tab") || (key == QStringLiteral("Return") && inputField)
                         || (key == QStringLiteral("Escape") && (inputField || from == Control::Result));
    if (!movesOn)
        return std::nullopt;
    const auto next = std::find(focusOrder.begin(), focusOrder.end(), from) + 1;
    return next == focusOrder.end() ? focusOrder.front() : *next;
}

bool mayMoveFocus(const QString &key)
{
    return key == QStringLiteral("Tab") || key == QStringLiteral("Return") || key == QStringLiteral("Escape");
}

// The focus frame's colour, a dark blue, as against the grey and green of
// frames without the focus.
bool isFocusFrame(QRgb pixel)
{
    return qBlue(pixel) >= qRed(pixel) + 40 && qRed(pixel) < 80 && qGreen(pixel) < 100;
}

// Only the settings of this session reach the program: no display, scale,
// platform or theme of the machine the tests run on.
QProcessEnvironment programEnvironment(QProcessEnvironment environment, const SessionOptions &options,
                                       const QString &runtimeDir)
{
    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                             "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "GTK_THEME"})
        environment.remove(QString::fromLatin1(name));
    if (options.scale != 1)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(options.scale));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), options.locale);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    environment.insert(options.environment);
    return environment;
}

} // namespace

QSize logicalClientSize()
{
    return {pixelsFromTwips(window::form1Description.clientWidth),
            pixelsFromTwips(window::form1Description.clientHeight)};
}

QRect logicalGeometry(Control control)
{
    const runtime::ControlDescription &described = describedControl(control);
    return {pixelsFromTwips(described.left), pixelsFromTwips(described.top), pixelsFromTwips(described.width),
            pixelsFromTwips(described.height)};
}

ConversionSession::~ConversionSession()
{
    if (QTest::currentTestFailed())
        keepEvidence();
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(static_cast<int>(endLimit.count()));
    }
    // m_x ends the X server and the clipboard's owners as it goes.
}

bool ConversionSession::start(const SessionOptions &options)
{
    m_scale = options.scale;
    const QString program = programPath();
    if (program.isEmpty())
        return m_x.fail(QStringLiteral("DMS2DD_E2E_APP does not name the dms2dd to test"));
    if (!m_runtimeDir.isValid())
        return m_x.fail(QStringLiteral("no private runtime directory: ") + m_runtimeDir.errorString());
    if (!m_x.start())
        return false;

    m_program.setProcessEnvironment(programEnvironment(m_x.environment(), options, m_runtimeDir.path()));
    m_program.setProcessChannelMode(QProcess::MergedChannels);
    m_program.start(program, {});
    if (!m_program.waitForStarted(static_cast<int>(windowLimit.count())))
        return m_x.fail(program + QStringLiteral(" could not be started: ") + m_program.errorString());

    bool toolFailed = false;
    waitUntil(
        [&] {
            if (!isRunning())
                return true;
            const auto found = m_x.findWindow(m_program.processId(), QStringLiteral("^Form1$"));
            m_windowId = found.value_or(QString());
            toolFailed = !found && *m_x.failure() != '\0';
            return found.has_value() || toolFailed;
        },
        windowLimit);
    if (!m_windowId.isEmpty())
        return true;
    if (!isRunning())
        return m_x.fail(QStringLiteral("dms2dd ended before showing its window:\n") + programOutput());
    return toolFailed ? false : m_x.fail(QStringLiteral("no window named Form1 appeared"));
}

bool ConversionSession::perform(const QStringList &steps)
{
    for (const QString &step : steps) {
        if (!performStep(step))
            return m_x.fail(step + QStringLiteral(": ") + QString::fromUtf8(m_x.failure()));
    }
    return true;
}

bool ConversionSession::performStep(const QString &step)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString argument = step.section(QLatin1Char(' '), 1);
    if (verb == QStringLiteral("offer"))
        return offer(argument);
    bool done = false;
    // What the window shows once the step has been carried out, when the
    // next step depends on it.
    std::function<bool(std::optional<Control>)> expectedFocus;
    QString expectation;
    if (step == QStringLiteral("click background")) {
        done = m_x.click(m_windowId, devicePoint(logicalBackgroundPoint));
        expectedFocus = [](std::optional<Control> focus) { return focus.has_value(); };
        expectation = QStringLiteral("the window to show a focus");
    } else if (verb == QStringLiteral("click")) {
        const auto control = controlNamed(argument);
        if (!control)
            return m_x.fail(QStringLiteral("no control named \"%1\"").arg(argument));
        done = m_x.click(m_windowId, deviceGeometry(*control).center());
        if (clickShowsFocus(*control)) {
            expectedFocus = [control](std::optional<Control> focus) { return focus == control; };
            expectation = QStringLiteral("the focus on ") + argument;
        }
    } else if (verb == QStringLiteral("type")) {
        done = m_x.type(argument);
    } else if (verb == QStringLiteral("key")) {
        const auto before = mayMoveFocus(argument) ? focusShown() : std::nullopt;
        done = m_x.key(argument);
        if (const auto after = before ? focusAfterKey(argument, *before) : std::nullopt) {
            expectedFocus = [after](std::optional<Control> focus) { return focus == after; };
            expectation = QStringLiteral("the focus to move on to ") + objectNameOf(*after);
        }
    } else {
        return m_x.fail(QStringLiteral("unknown step"));
    }
    QTest::qWait(static_cast<int>(personPace().count()));
    if (done && expectedFocus)
        return waitForFocus(expectedFocus, expectation);
    return done;
}

bool ConversionSession::waitForFocus(const std::function<bool(std::optional<Control>)> &expected,
                                     const QString &what)
{
    std::optional<Control> focus;
    bool shown = true;
    const bool reached = waitUntil(
        [&] {
            const auto window = m_x.windowShot(m_windowId);
            shown = window.has_value();
            if (!shown)
                return true;
            focus = focusShownOn(*window);
            return expected(focus);
        },
        stepLimit);
    if (!shown)
        return false;
    if (!reached)
        return m_x.fail(QStringLiteral("waited %1 s for %2; the focus is drawn on %3")
                            .arg(std::chrono::duration_cast<std::chrono::seconds>(stepLimit).count())
                            .arg(what, focus ? objectNameOf(*focus) : QStringLiteral("no control")));
    return true;
}

QString ConversionSession::clipboardOnceItHolds(const QString &expected)
{
    return m_x.clipboardOnceItHolds(expected, clipboardLimit);
}

bool ConversionSession::isRunning() const
{
    return m_program.state() == QProcess::Running;
}

std::optional<WindowState> ConversionSession::windowState()
{
    return m_x.windowState(m_windowId);
}

std::optional<QString> ConversionSession::windowProperty(const QString &name)
{
    return m_x.windowProperty(m_windowId, name);
}

std::optional<QImage> ConversionSession::screenshot()
{
    return m_x.screenshot();
}

std::optional<Control> ConversionSession::focusShown()
{
    const auto window = m_x.windowShot(m_windowId);
    return window ? focusShownOn(*window) : std::nullopt;
}

std::optional<Control> ConversionSession::focusShownOn(const QImage &window) const
{
    // The frame's left edge, half-way down, as wide as one pixel at scale 1.
    for (Control control : focusOrder) {
        const QRect box = deviceGeometry(control);
        for (int x = box.left(); x < box.left() + m_scale; ++x) {
            const QPoint edge(x, box.center().y());
            if (window.rect().contains(edge) && isFocusFrame(window.pixel(edge)))
                return control;
        }
    }
    return std::nullopt;
}

QRect ConversionSession::deviceGeometry(Control control) const
{
    const QRect logical = logicalGeometry(control);
    return {logical.topLeft() * m_scale, logical.size() * m_scale};
}

QPoint ConversionSession::devicePoint(QPoint logical) const
{
    return logical * m_scale;
}

QString ConversionSession::programOutput()
{
    m_output += m_program.readAll();
    return QString::fromUtf8(m_output);
}

void ConversionSession::keepEvidence()
{
    const QString output = programOutput();
    if (!output.isEmpty())
        qWarning("dms2dd wrote:\n%s", qPrintable(output));
    if (m_x.display().isEmpty())
        return;
    const auto image = m_x.screenshot();
    if (!image)
        return;
    QString name = QStringLiteral("failed-%1-%2.png")
                       .arg(QString::fromLatin1(QTest::currentTestFunction()),
                            QString::fromLocal8Bit(QTest::currentDataTag()));
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("_"));
    const QString path = artifactPath(name);
    if (image->save(path))
        qWarning("screen at the failure: %s", qPrintable(path));
}

} // namespace e2e
