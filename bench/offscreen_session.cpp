#include "offscreen_session.h"

#include "runtime/error_report.h"
#include "runtime/form_description.h"
#include "runtime/window_look.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSize>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// Chooses the platform before the application is made.
int &offscreen(int &argc)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

} // namespace

OffscreenSession::OffscreenSession(int &argc, char **argv) : m_application(offscreen(argc), argv)
{
    runtime::setApplicationLook();
    runtime::setErrorSink([](const runtime::ErrorReport &report) {
        std::fprintf(stderr, "runtime error %d: %s\n", report.number, report.message.c_str());
        std::exit(1);
    });
    m_form.load();
    m_form.show();
}

int OffscreenSession::argument(int position, int fallback) const
{
    const QStringList arguments = QCoreApplication::arguments();
    return position < arguments.size() ? arguments[position].toInt() : fallback;
}

QString OffscreenSession::argument(int position, const QString &fallback) const
{
    const QStringList arguments = QCoreApplication::arguments();
    return position < arguments.size() ? arguments[position] : fallback;
}

QLineEdit *OffscreenSession::field(std::string_view name, std::int16_t index) const
{
    return formWindow()->findChild<QLineEdit *>(QString::fromStdString(runtime::objectNameOf(name, index)));
}

void focusField(QWidget *window, QLineEdit *edit)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "the window did not become active\n");
    edit->setFocus();
    QCoreApplication::processEvents();
}

QLineEdit *showBareField(QWidget &floorWindow, QSize windowSize)
{
    floorWindow.setFixedSize(windowSize);
    auto *bareEdit = new QLineEdit(&floorWindow);
    bareEdit->setObjectName(QStringLiteral("bare QLineEdit"));
    bareEdit->setGeometry(16, 64, 81, 24);
    QObject::connect(bareEdit, &QLineEdit::textChanged, bareEdit, [] {});
    floorWindow.show();
    return bareEdit;
}
