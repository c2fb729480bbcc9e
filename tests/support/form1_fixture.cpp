#include "form1_fixture.h"

#include "control.h"

#include "runtime/error_report.h"
#include "runtime/window_look.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>

Form1Fixture::Form1Fixture()
{
    runtime::setApplicationLook();
    runtime::setErrorSink([this](const runtime::ErrorReport &report) {
        m_errors.push_back(QStringLiteral("%1 %2").arg(report.number).arg(QString::fromStdString(report.message)));
    });
    m_form = std::make_unique<window::Form1>();
    m_form->load();
    m_form->show();
    window()->activateWindow();
    if (!QTest::qWaitForWindowActive(window()))
        qWarning("the conversion window did not become active");
}

Form1Fixture::~Form1Fixture()
{
    m_form.reset();
    runtime::setErrorSink(nullptr);
}

QWidget *Form1Fixture::window() const
{
    return m_form->widget();
}

QLineEdit *Form1Fixture::field(int index) const
{
    constexpr std::array fields{Control::Degrees, Control::Minutes, Control::Seconds};
    return window()->findChild<QLineEdit *>(objectNameOf(fields.at(static_cast<std::size_t>(index))));
}

QLineEdit *Form1Fixture::result() const
{
    return window()->findChild<QLineEdit *>(objectNameOf(Control::Result));
}

QPushButton *Form1Fixture::copyButton() const
{
    return window()->findChild<QPushButton *>(objectNameOf(Control::Copier));
}

QLabel *Form1Fixture::label(const QString &objectName) const
{
    return window()->findChild<QLabel *>(objectName);
}

void Form1Fixture::type(int index, const QString &text) const
{
    QLineEdit *edit = field(index);
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

void Form1Fixture::typeAll(const QString &degrees, const QString &minutes, const QString &seconds) const
{
    type(0, degrees);
    type(1, minutes);
    type(2, seconds);
}
