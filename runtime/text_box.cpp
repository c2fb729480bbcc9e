#include "runtime/text_box.h"

#include "runtime/error_report.h"
#include "runtime/key_ascii.h"
#include "runtime/paste_watch.h"
#include "runtime/qstring_conversion.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

namespace runtime {

// Sees each key before the field does, raises KeyPress, and lets the key go
// on to the field whatever the handler did.
class KeyPressFilter : public QObject
{
public:
    KeyPressFilter(TextBox &box, QObject *parent) : QObject(parent), m_box(box) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            if (const auto keyAscii = keyAsciiOf(*static_cast<QKeyEvent *>(event)))
                m_box.raiseKeyPress(*keyAscii);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TextBox &m_box;
};

TextBox::TextBox(QLineEdit *edit) : m_edit(edit)
{
    QObject::connect(m_edit, &QLineEdit::textChanged, m_edit, [this] { raiseChange(); });
    // Installed first, so it sees a key after KeyPress has been raised for it.
    new PasteWatch(m_edit, [this](const QString &pasted) { return raisePaste(pasted.toStdString()); });
    m_edit->installEventFilter(new KeyPressFilter(*this, m_edit));
}

TextBox::~TextBox() = default;

std::string TextBox::text() const
{
    return m_edit->text().toStdString();
}

void TextBox::setText(const std::string &text)
{
    // QLineEdit emits textChanged, and so raises Change, before setText returns.
    m_edit->setText(QString::fromStdString(text));
    // An assigned text is shown from its start, not scrolled to its end.
    m_edit->setCursorPosition(0);
}

void TextBox::moveCaretToEnd()
{
    m_edit->end(false);
}

void TextBox::setBackColor(Colour colour)
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, toQColor(colour));
    m_edit->setPalette(palette);
}

void TextBox::setForeColor(Colour colour)
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text, toQColor(colour));
    m_edit->setPalette(palette);
}

void TextBox::setDescription(const std::string &description)
{
    // QWidget raises DescriptionChanged on every call; listeners hear only
    // a real change.
    const QString newDescription = toQString(description);
    if (newDescription != m_edit->accessibleDescription())
        m_edit->setAccessibleDescription(newDescription);
}

void TextBox::onChange(ChangeHandler handler)
{
    m_change = std::move(handler);
}

void TextBox::onKeyPress(KeyPressHandler handler)
{
    m_keyPress = std::move(handler);
}

void TextBox::onPaste(PasteHandler handler)
{
    m_paste = std::move(handler);
}

void TextBox::raiseChange()
{
    if (m_change)
        dispatch(m_change);
}

void TextBox::raiseKeyPress(std::int16_t keyAscii)
{
    if (m_keyPress)
        dispatch([&] { m_keyPress(keyAscii); });
}

bool TextBox::raisePaste(const std::string &pasted)
{
    bool cancel = false;
    if (m_paste)
        dispatch([&] { m_paste(pasted, cancel); });
    return cancel;
}

} // namespace runtime
