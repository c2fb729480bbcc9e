#include "offscreen_session.h"

#include "runtime/error_report.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSize>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

void stopOnRuntimeError()
{
    runtime::setErrorSink([](const runtime::ErrorReport &report) {
        std::fprintf(stderr, "runtime error %d: %s\n", report.number, report.message.c_str());
        std::exit(1);
    });
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
