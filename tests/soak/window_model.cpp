#include "window_model.h"

#include "reference_reading.h"
#include "reference_text.h"

#include <QList>

#include <cmath>
#include <string>

namespace {

const QString overflowText = QStringLiteral("D\u00e9passement de capacit\u00e9");

// The text as the user sees it, by the toolkit's own character properties:
// blanks as ' ', format marks dropped, decimal digits of every script as
// their digit, the dashes written for minus as '-'; any other character
// that is not ASCII ends the number, so it is given as '?'.
std::string plainAscii(const QString &text)
{
    std::string plain;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Format)
            continue;
        if (QChar::isSpace(c))
            plain += ' ';
        else if ((c >= 0x2010 && c <= 0x2015) || c == 0x2212)
            plain += '-';
        else if (QChar::category(c) == QChar::Number_DecimalDigit)
            plain += static_cast<char>('0' + QChar::digitValue(c));
        else
            plain += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return plain;
}

Control nextInFocusOrder(Control control)
{
    switch (control) {
    case Control::Degrees: return Control::Minutes;
    case Control::Minutes: return Control::Seconds;
    case Control::Seconds: return Control::Result;
    case Control::Result: return Control::Copier;
    case Control::Copier:
    case Control::Caption: break;
    }
    return Control::Degrees;
}

} // namespace

WindowModel::WindowModel(QString decimalSeparator) : m_separator(std::move(decimalSeparator)) {}

double WindowModel::readField(Control field) const
{
    return reference::referenceRead(plainAscii(text(field)));
}

// The Change rule: minutes and seconds above 60 are refused and turn red
// for good; otherwise the result is the sum, or the overflow message.
void WindowModel::fieldChanged(Control field)
{
    if (field != Control::Degrees && readField(field) > 60.0) {
        ++m_beeps;
        ++m_refusals;
        m_red[index(field)] = true;
        return;
    }
    const double sum = readField(Control::Degrees) + (1.0 / 60.0) * readField(Control::Minutes) +
                       (1.0 / 3600.0) * readField(Control::Seconds);
    if (!std::isfinite(sum)) {
        ++m_beeps;
        ++m_overflows;
        assign(Control::Result, overflowText);
        return;
    }
    const char separator = m_separator == QStringLiteral(",") ? ',' : '.';
    assign(Control::Result, QString::fromStdString(reference::referenceText(sum, separator)));
}

// A text set by a handler: shown from its start, nothing selected, and a
// Change only when the text differs.
void WindowModel::assign(Control control, const QString &text)
{
    Edit &edit = m_edits[index(control)];
    const bool changed = edit.text != text;
    edit.text = text;
    edit.cursor = 0;
    edit.deselect();
    if (changed && isInputField(control))
        fieldChanged(control);
}

// Typing or pasting into the focused line edit. The toolkit raises Change
// for every edit, even one that leaves the same text.
void WindowModel::replaceSelectionOrInsert(const QString &text)
{
    Edit &edit = m_edits[index(m_focus)];
    if (edit.hasSelection()) {
        edit.text.remove(edit.selectionStart, edit.selectionEnd - edit.selectionStart);
        edit.cursor = edit.selectionStart;
        edit.deselect();
    } else if (text.isEmpty()) {
        return;
    }
    edit.text.insert(edit.cursor, text);
    edit.cursor += static_cast<int>(text.size());
    if (isInputField(m_focus))
        fieldChanged(m_focus);
}

void WindowModel::backspace()
{
    Edit &edit = m_edits[index(m_focus)];
    if (edit.hasSelection()) {
        edit.text.remove(edit.selectionStart, edit.selectionEnd - edit.selectionStart);
        edit.cursor = edit.selectionStart;
        edit.deselect();
    } else if (edit.cursor > 0) {
        --edit.cursor;
        edit.text.remove(edit.cursor, 1);
    } else {
        return;
    }
    if (isInputField(m_focus))
        fieldChanged(m_focus);
}

void WindowModel::moveFocus(Control to, bool selectAll)
{
    if (isLineEdit(m_focus))
        m_edits[index(m_focus)].deselect();
    m_focus = to;
    if (selectAll && isLineEdit(to)) {
        Edit &edit = m_edits[index(to)];
        edit.selectionStart = 0;
        edit.selectionEnd = static_cast<int>(edit.text.size());
        edit.cursor = edit.selectionEnd;
    }
}

// Tab moves on in the focus order; a line edit reached by Tab selects all.
void WindowModel::pressTab()
{
    moveFocus(nextInFocusOrder(m_focus), true);
}

void WindowModel::copyResult()
{
    m_clipboard = text(Control::Result);
}

void WindowModel::apply(const UserEvent &event, int cursorAfterClick)
{
    const bool inLineEdit = isLineEdit(m_focus);
    switch (event.kind) {
    case UserEvent::Kind::Type:
        if (inLineEdit)
            replaceSelectionOrInsert(QString(event.character));
        break;
    case UserEvent::Kind::Space:
        if (inLineEdit)
            replaceSelectionOrInsert(QStringLiteral(" "));
        else if (m_focus == Control::Copier)
            copyResult();
        break;
    case UserEvent::Kind::Enter:
        if (isInputField(m_focus))
            ++m_queuedTabs;
        break;
    case UserEvent::Kind::Escape:
        if (isInputField(m_focus)) {
            ++m_queuedTabs;
            assign(Control::Degrees, {});
            assign(Control::Minutes, {});
            assign(Control::Seconds, {});
            assign(Control::Result, {});
        } else if (m_focus == Control::Result) {
            ++m_queuedTabs;
            // RAZ: backgrounds back to grey (they never leave it), inputs emptied.
            assign(Control::Degrees, {});
            assign(Control::Minutes, {});
            assign(Control::Seconds, {});
        }
        break;
    case UserEvent::Kind::Tab:
        pressTab();
        break;
    case UserEvent::Kind::Backspace:
        if (inLineEdit)
            backspace();
        break;
    case UserEvent::Kind::ClickCopier:
        moveFocus(Control::Copier, false);
        copyResult();
        break;
    case UserEvent::Kind::Paste:
        if (!event.pasteCurrent)
            m_clipboard = event.text;
        if (inLineEdit)
            replaceSelectionOrInsert(m_clipboard);
        break;
    case UserEvent::Kind::Click:
        if (isLineEdit(event.control)) {
            moveFocus(event.control, false);
            Edit &edit = m_edits[index(event.control)];
            edit.deselect();
            edit.cursor = cursorAfterClick;
        }
        break;
    }
}

void WindowModel::runQueuedKeystrokes()
{
    for (; m_queuedTabs > 0; --m_queuedTabs)
        pressTab();
}
