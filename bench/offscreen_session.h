#pragma once

#include "window/form1.h"

#include <QApplication>
#include <QString>

#include <cstdint>
#include <string_view>

class QLineEdit;
class QSize;
class QWidget;

// What the offscreen window benchmarks share.

// The start of every window benchmark: the application on the offscreen
// platform, in the look the program gives it, and the conversion window
// loaded and shown as the program shows it. A runtime error ends the run
// with its message on stderr: offscreen, the modal message box would stall
// it.
class OffscreenSession
{
public:
    OffscreenSession(int &argc, char **argv);

    // The command line's argument at a position (1 is the first), or the
    // fallback when it is not given.
    int argument(int position, int fallback) const;
    QString argument(int position, const QString &fallback) const;

    QWidget *formWindow() const { return m_form.widget(); }
    // A control of the window by its name and, in a control array, index.
    QLineEdit *field(std::string_view name, std::int16_t index) const;

private:
    QApplication m_application;
    window::Form1 m_form;
};

// Makes `window` the active window and gives `edit` the focus, as a user's
// click would before typing or pasting.
void focusField(QWidget *window, QLineEdit *edit);

// The floor's field: a bare QLineEdit, where the conversion window has its
// degrees field, whose change handler does nothing, in floorWindow sized as
// the conversion window and shown.
QLineEdit *showBareField(QWidget &floorWindow, QSize windowSize);
