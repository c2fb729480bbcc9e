#pragma once

#include "window/form1.h"

#include <memory>
#include <vector>

#include <QString>

class QLineEdit;
class QPushButton;
class QLabel;

namespace runtime {
struct ErrorReport;
}

// The real conversion window, loaded and shown as the runtime starts it,
// in the application's look as the runtime sets it, with its controls found
// by name. Any runtime error a handler raises is recorded instead of ending
// the test process.
class Form1Fixture
{
public:
    Form1Fixture();
    ~Form1Fixture();

    window::Form1 &form() { return *m_form; }
    QWidget *window() const;
    QLineEdit *field(int index) const;     // Text1(index): 0 degrees, 1 minutes, 2 seconds
    QLineEdit *result() const;             // Text2
    QPushButton *copyButton() const;       // Command1
    QLabel *label(const QString &objectName) const;

    // Types into an input field as a user would, through real key events.
    void type(int index, const QString &text) const;
    // Sets the three fields one after the other by typing, from empty.
    void typeAll(const QString &degrees, const QString &minutes, const QString &seconds) const;

    const std::vector<QString> &errors() const { return m_errors; }

private:
    std::unique_ptr<window::Form1> m_form;
    std::vector<QString> m_errors;
};
