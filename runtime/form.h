#pragma once

#include "runtime/control_array.h"
#include "runtime/form_description.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace runtime {

class CommandButton;
class TextBox;

// A top-level window built from its description: its controls are created
// in the order the description lists them, placed, captioned, given their
// fonts and chained in focus order. Subclasses find their controls by name
// and bind their handlers.
class Form
{
public:
    explicit Form(const FormDescription &description);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // Raises Load; the runtime does so once, before it shows the window.
    void load();
    void show();

    QWidget *widget() const { return m_window.get(); }

protected:
    void onLoad(std::function<void()> handler);

    TextBox &textBox(std::string_view name) const;
    ControlArray<TextBox> &textBoxArray(std::string_view name);
    CommandButton &commandButton(std::string_view name) const;

    // Gives a control an accessible name, or makes a label name the control
    // it stands above, for screen readers.
    void setAccessibleName(std::string_view control, std::int16_t index, std::string_view name) const;
    void setLabelFor(std::string_view label, std::int16_t labelIndex, std::string_view control,
                     std::int16_t controlIndex) const;
    // Makes labels' captions, one line each, the window's accessible
    // description: what a screen reader reads after the window's title.
    void setDescriptionFromLabels(std::initializer_list<std::string_view> labels) const;

private:
    QWidget *control(std::string_view name, std::int16_t index) const;

    std::vector<std::unique_ptr<TextBox>> m_textBoxes;
    std::vector<std::unique_ptr<CommandButton>> m_buttons;
    std::map<std::string, ControlArray<TextBox>, std::less<>> m_textBoxArrays;
    std::function<void()> m_load;
    // Declared last so it goes first: the widgets die before the wrappers
    // whose handlers they call.
    std::unique_ptr<QWidget> m_window;
};

} // namespace runtime
