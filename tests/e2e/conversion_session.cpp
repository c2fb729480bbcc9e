#include "conversion_session.h"

#include "e2e_environment.h"
#include "e2e_timing.h"
#include "polling.h"

#include <QRegularExpression>
#include <QTest>

namespace e2e {
namespace {

constexpr QSize screenSize{1024, 768};

// Only the settings of this session reach the program: no display, scale
// or platform of the machine the tests run on.
QProcessEnvironment programEnvironment(QProcessEnvironment environment, const SessionOptions &options,
                                       const QString &runtimeDir)
{
    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        environment.remove(QString::fromLatin1(name));
    if (options.scale != 1)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(options.scale));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), options.locale);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return environment;
}

} // namespace

ConversionSession::ConversionSession() = default;

ConversionSession::~ConversionSession()
{
    if (QTest::currentTestFailed())
        keepEvidence();
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(static_cast<int>(endLimit.count()));
    }
    m_clipboard.reset();
    // m_server ends the X server as it goes.
}

bool ConversionSession::start(const SessionOptions &options)
{
    m_scale = options.scale;
    const QString program = programPath();
    if (program.isEmpty())
        return fail(QStringLiteral("DMS2DD_E2E_APP does not name the dms2dd to test"));
    if (!m_runtimeDir.isValid())
        return fail(QStringLiteral("no private runtime directory: ") + m_runtimeDir.errorString());
    QString error;
    if (!m_server.start(screenSize, &error))
        return fail(error);
    const QProcessEnvironment tools = m_server.toolEnvironment();
    m_input.emplace(tools);
    m_screen.emplace(tools);
    m_clipboard = std::make_unique<XClipboard>(tools);

    m_program.setProcessEnvironment(programEnvironment(tools, options, m_runtimeDir.path()));
    m_program.setProcessChannelMode(QProcess::MergedChannels);
    m_program.start(program, {});
    if (!m_program.waitForStarted(static_cast<int>(windowLimit.count())))
        return fail(program + QStringLiteral(" could not be started: ") + m_program.errorString());

    waitUntil(
        [&] {
            if (!isRunning() || !error.isEmpty())
                return true;
            const auto found = m_screen->findWindow(m_program.processId(), QStringLiteral("^Form1$"), &error);
            m_windowId = found.value_or(QString());
            return found.has_value();
        },
        windowLimit);
    if (!m_windowId.isEmpty())
        return true;
    if (!isRunning())
        return fail(QStringLiteral("dms2dd ended before showing its window:\n") + programOutput());
    return fail(error.isEmpty() ? QStringLiteral("no window named Form1 appeared") : error);
}

bool ConversionSession::click(Control control)
{
    QString error;
    const QPoint centre = deviceGeometry(control).center();
    return paced(m_input->click(m_windowId, centre, &error) || fail(error));
}

bool ConversionSession::clickBackground()
{
    QString error;
    return paced(m_input->click(m_windowId, devicePoint(logicalBackgroundPoint), &error) || fail(error));
}

bool ConversionSession::type(const QString &text)
{
    QString error;
    return paced(m_input->type(text, &error) || fail(error));
}

bool ConversionSession::key(const QString &keys)
{
    QString error;
    return paced(m_input->key(keys, &error) || fail(error));
}

bool ConversionSession::offer(const QString &text)
{
    QString error;
    return m_clipboard->offer(text, &error) || fail(error);
}

QString ConversionSession::clipboardOnceItHolds(const QString &expected) const
{
    return m_clipboard->waitFor(expected, clipboardLimit);
}

bool ConversionSession::isRunning() const
{
    return m_program.state() == QProcess::Running;
}

std::optional<WindowState> ConversionSession::windowState()
{
    QString error;
    auto state = m_screen->windowState(m_windowId, &error);
    if (!state)
        fail(error);
    return state;
}

std::optional<QString> ConversionSession::windowProperty(const QString &name)
{
    QString error;
    auto value = m_screen->property(m_windowId, name, &error);
    if (!value)
        fail(error);
    return value;
}

std::optional<QImage> ConversionSession::screenshot()
{
    QString error;
    auto image = m_screen->screenshot(&error);
    if (!image)
        fail(error);
    return image;
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

bool ConversionSession::fail(const QString &why)
{
    m_failure = why.toUtf8();
    return false;
}

bool ConversionSession::paced(bool done)
{
    QTest::qWait(static_cast<int>(personPace().count()));
    return done;
}

void ConversionSession::keepEvidence()
{
    const QString output = programOutput();
    if (!output.isEmpty())
        qWarning("dms2dd wrote:\n%s", qPrintable(output));
    if (!m_screen)
        return;
    QString error;
    const auto image = m_screen->screenshot(&error);
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
