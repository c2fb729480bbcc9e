#pragma once

#include <functional>

class QPushButton;

namespace runtime {

// A push button. Click follows a mouse click, and Space on the focused
// button, as the toolkit raises them.
class CommandButton
{
public:
    using ClickHandler = std::function<void()>;

    explicit CommandButton(QPushButton *button);
    CommandButton(const CommandButton &) = delete;
    CommandButton &operator=(const CommandButton &) = delete;

    void onClick(ClickHandler handler);

    QPushButton *widget() const { return m_button; }

private:
    QPushButton *m_button;
    ClickHandler m_click;
};

} // namespace runtime
