#include "runtime/form.h"

#include "runtime/accessible_text_box.h"
#include "runtime/command_button.h"
#include "runtime/description_announcement.h"
#include "runtime/error_report.h"
#include "runtime/fonts.h"
#include "runtime/qstring_conversion.h"
#include "runtime/runtime_error.h"
#include "runtime/text_box.h"
#include "runtime/text_fit.h"
#include "runtime/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <string>

namespace runtime {
namespace {

// Labels are opaque and painted in the button-face system colour unless a
// description says otherwise.
constexpr Colour labelBackColor = systemColour::buttonFace;

QWidget *createWidget(const ControlDescription &description, QWidget *window)
{
    const QString caption = toQString(description.caption);
    switch (description.kind) {
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(caption, window);
        // Nothing in the window acts on Enter as a default button.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::TextBox: {
        auto *edit = new QLineEdit(caption, window);
        // A text box takes text of any length; QLineEdit stops at 32767 by default.
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(caption, window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, toQColor(labelBackColor));
        label->setPalette(palette);
        return label;
    }
    }
    return nullptr;
}

[[noreturn]] void noSuchControl(std::string_view name)
{
    throw RuntimeError(errors::invalidCall, std::string(errors::invalidCallText) + " (" + std::string(name) + ")");
}

// The wrapper the runtime made for a control's widget.
template <typename Wrapper>
Wrapper &wrapperOf(const std::vector<std::unique_ptr<Wrapper>> &wrappers, const QWidget *widget,
                   std::string_view name)
{
    for (const auto &wrapper : wrappers) {
        if (wrapper->widget() == widget)
            return *wrapper;
    }
    noSuchControl(name);
}

void place(QWidget *widget, const ControlDescription &description)
{
    widget->setGeometry(pixelsFromTwips(description.left), pixelsFromTwips(description.top),
                        pixelsFromTwips(description.width), pixelsFromTwips(description.height));
}

} // namespace

Form::Form(const FormDescription &description) : m_window(std::make_unique<QWidget>())
{
    m_window->setWindowTitle(toQString(description.caption));
    m_window->setFixedSize(pixelsFromTwips(description.clientWidth), pixelsFromTwips(description.clientHeight));
    // The application's look, with the window's own background, which its
    // controls inherit.
    QPalette palette;
    palette.setColor(QPalette::Window, toQColor(description.backColor));
    m_window->setPalette(palette);
    m_window->setAutoFillBackground(true);
    // Screen readers get our text-box interface from the first text box on.
    installAccessibleTextBoxes();

    std::vector<std::pair<int, QWidget *>> focusOrder;
    for (const ControlDescription &controlDescription : description.controls) {
        QWidget *widget = createWidget(controlDescription, m_window.get());
        widget->setObjectName(toQString(objectNameOf(controlDescription.name, controlDescription.index)));
        widget->setFont(fontFor(controlDescription.font));
        place(widget, controlDescription);
        if (auto *label = qobject_cast<QLabel *>(widget))
            fitCaption(label);
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            fitCaption(button);
        else if (controlDescription.shrinkToFit)
            new ShrinkToFit(static_cast<QLineEdit *>(widget));
        if (widget->focusPolicy() != Qt::NoFocus)
            focusOrder.emplace_back(controlDescription.tabIndex, widget);

        if (controlDescription.kind == ControlKind::TextBox) {
            auto &box = *m_textBoxes.emplace_back(std::make_unique<TextBox>(static_cast<QLineEdit *>(widget)));
            if (controlDescription.index != notInArray)
                m_textBoxArrays[std::string(controlDescription.name)].add(controlDescription.index, box);
        } else if (controlDescription.kind == ControlKind::CommandButton) {
            m_buttons.push_back(std::make_unique<CommandButton>(static_cast<QPushButton *>(widget)));
        }
    }

    std::stable_sort(focusOrder.begin(), focusOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    if (!focusOrder.empty())
        focusOrder.front().second->setFocus();
}

Form::~Form() = default;

void Form::load()
{
    if (m_load)
        dispatch(m_load);
}

void Form::show()
{
    m_window->show();
}

void Form::onLoad(std::function<void()> handler)
{
    m_load = std::move(handler);
}

QWidget *Form::control(std::string_view name, std::int16_t index) const
{
    auto *widget = m_window->findChild<QWidget *>(toQString(objectNameOf(name, index)), Qt::FindDirectChildrenOnly);
    if (!widget)
        noSuchControl(name);
    return widget;
}

TextBox &Form::textBox(std::string_view name) const
{
    return wrapperOf(m_textBoxes, control(name, notInArray), name);
}

ControlArray<TextBox> &Form::textBoxArray(std::string_view name)
{
    const auto array = m_textBoxArrays.find(name);
    if (array == m_textBoxArrays.end())
        noSuchControl(name);
    return array->second;
}

CommandButton &Form::commandButton(std::string_view name) const
{
    return wrapperOf(m_buttons, control(name, notInArray), name);
}

void Form::setAccessibleName(std::string_view controlName, std::int16_t index, std::string_view name) const
{
    control(controlName, index)->setAccessibleName(toQString(name));
}

void Form::setLabelFor(std::string_view label, std::int16_t labelIndex, std::string_view controlName,
                       std::int16_t controlIndex) const
{
    auto *labelWidget = qobject_cast<QLabel *>(control(label, labelIndex));
    if (!labelWidget)
        noSuchControl(label);
    labelWidget->setBuddy(control(controlName, controlIndex));
}

void Form::setDescriptionFromLabels(std::initializer_list<std::string_view> labels) const
{
    QStringList lines;
    for (std::string_view label : labels) {
        auto *labelWidget = qobject_cast<QLabel *>(control(label, notInArray));
        if (!labelWidget)
            noSuchControl(label);
        lines.append(labelWidget->text());
    }
    m_window->setAccessibleDescription(lines.join(u'\n'));
    announceDescriptionWhenFirstActive(m_window.get());
}

} // namespace runtime
