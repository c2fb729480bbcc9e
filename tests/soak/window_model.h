#pragma once

#include "user_event.h"

#include <QString>

#include <array>

// What the conversion window must show, worked out from its rules alone:
// the soak's independent second opinion. It knows the toolkit's editing
// conventions (where a key inserts, what Tab selects) and the window's
// handlers as their rules state them, and calls no code of the
// window, of the runtime or of the number layer: numbers are read with the
// toolkit's character properties and the tests' strtod-based reading, and
// written with the tests' printf-based text form.
class WindowModel
{
public:
    explicit WindowModel(QString decimalSeparator);

    // Applies one event as the window receives it. `cursorAfterClick` is
    // where the toolkit put the cursor for a click on a line edit: a matter
    // of font metrics and scrolling, which the model takes as given.
    void apply(const UserEvent &event, int cursorAfterClick);
    // The Tabs that handlers queued, as the event loop then delivers them.
    void runQueuedKeystrokes();

    QString text(Control control) const { return m_edits[index(control)].text; }
    bool isRed(Control field) const { return m_red[index(field)]; }
    Control focus() const { return m_focus; }
    QString clipboard() const { return m_clipboard; }
    unsigned long beeps() const { return m_beeps; }
    // What the session went through, to tell a soak that ran the rules from
    // one that never reached them.
    unsigned long refusals() const { return m_refusals; }
    unsigned long overflows() const { return m_overflows; }

private:
    struct Edit
    {
        QString text;
        int cursor = 0;
        int selectionStart = 0;   // selection is [selectionStart, selectionEnd)
        int selectionEnd = 0;

        bool hasSelection() const { return selectionEnd > selectionStart; }
        void deselect() { selectionStart = selectionEnd = 0; }
    };

    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }
    static bool isLineEdit(Control control) { return control <= Control::Result; }
    static bool isInputField(Control control) { return control <= Control::Seconds; }

    double readField(Control field) const;
    void fieldChanged(Control field);
    void assign(Control control, const QString &text);
    void replaceSelectionOrInsert(const QString &text);
    void backspace();
    void pressTab();
    void moveFocus(Control to, bool selectAll);
    void copyResult();

    QString m_separator;
    std::array<Edit, 4> m_edits;
    std::array<bool, 3> m_red{};
    Control m_focus = Control::Degrees;
    QString m_clipboard;
    unsigned long m_beeps = 0;
    unsigned long m_refusals = 0;
    unsigned long m_overflows = 0;
    int m_queuedTabs = 0;
};
