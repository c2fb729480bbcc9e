#pragma once

#include "runtime/colour.h"
#include <string>

#include <cstdint>
#include <functional>

class QLineEdit;

namespace runtime {

// A text box: an editable one-line field. Its text is read and written as
// text; its Change event follows every change of the text, typed or
// assigned, and its KeyPress event comes before the field sees a key.
class TextBox
{
public:
    using ChangeHandler = std::function<void()>;
    using KeyPressHandler = std::function<void(std::int16_t &keyAscii)>;
    // Told the text about to be pasted; setting cancel keeps it out of the field.
    using PasteHandler = std::function<void(const std::string &pasted, bool &cancel)>;

    explicit TextBox(QLineEdit *edit);
    ~TextBox();
    TextBox(const TextBox &) = delete;
    TextBox &operator=(const TextBox &) = delete;

    std::string text() const;
    // Raises Change before returning when the text differs from the current one.
    void setText(const std::string &text);
    // Puts the caret after the last character, the text scrolled to show it.
    void moveCaretToEnd();

    void setBackColor(Colour colour);
    void setForeColor(Colour colour);
    // What a screen reader tells about the field besides its name; clients
    // listening are told when it changes, and only then.
    void setDescription(const std::string &description);

    void onChange(ChangeHandler handler);
    // The key always goes on to the field after the handler, unchanged.
    void onKeyPress(KeyPressHandler handler);
    // Raised before any paste into the field: keyboard, context menu, the
    // middle button's primary selection, or a text dropped on it.
    void onPaste(PasteHandler handler);

    QLineEdit *widget() const { return m_edit; }

private:
    void raiseChange();
    void raiseKeyPress(std::int16_t keyAscii);
    bool raisePaste(const std::string &pasted);

    QLineEdit *m_edit;
    ChangeHandler m_change;
    KeyPressHandler m_keyPress;
    PasteHandler m_paste;

    friend class KeyPressFilter;
};

} // namespace runtime
