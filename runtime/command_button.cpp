#include "runtime/command_button.h"

#include "runtime/error_report.h"

#include <QPushButton>

namespace runtime {

CommandButton::CommandButton(QPushButton *button) : m_button(button)
{
    QObject::connect(m_button, &QPushButton::clicked, m_button, [this] {
        if (m_click)
            dispatch(m_click);
    });
}

void CommandButton::onClick(ClickHandler handler)
{
    m_click = std::move(handler);
}

} // namespace runtime
