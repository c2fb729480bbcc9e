#include "runtime/accessible_text_box.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>

namespace runtime {
namespace {

// Everything is the toolkit's accessible line edit's answer, passed on;
// only the attribute runs are widened.
class AccessibleTextBox : public QAccessibleInterface, public QAccessibleTextInterface
{
public:
    explicit AccessibleTextBox(QAccessibleInterface *toolkit)
        : m_toolkit(toolkit), m_toolkitId(QAccessible::uniqueId(toolkit))
    {
    }

    ~AccessibleTextBox() override
    {
        // The toolkit's interface is kept by the accessibility cache under
        // an id only this object knows: it goes with this one.
        if (QAccessible::accessibleInterface(m_toolkitId) == m_toolkit)
            QAccessible::deleteAccessibleInterface(m_toolkitId);
    }

    // QAccessibleInterface
    bool isValid() const override { return m_toolkit->isValid(); }
    QObject *object() const override { return m_toolkit->object(); }
    QWindow *window() const override { return m_toolkit->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_toolkit->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_toolkit->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return m_toolkit->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_toolkit->parent(); }
    QAccessibleInterface *child(int index) const override { return m_toolkit->child(index); }
    int childCount() const override { return m_toolkit->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override { return m_toolkit->indexOfChild(child); }
    QString text(QAccessible::Text t) const override { return m_toolkit->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_toolkit->setText(t, text); }
    QRect rect() const override { return m_toolkit->rect(); }
    QAccessible::Role role() const override { return m_toolkit->role(); }
    QAccessible::State state() const override { return m_toolkit->state(); }
    QColor foregroundColor() const override { return m_toolkit->foregroundColor(); }
    QColor backgroundColor() const override { return m_toolkit->backgroundColor(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return m_toolkit->textInterface() ? static_cast<QAccessibleTextInterface *>(this) : nullptr;
        return m_toolkit->interface_cast(type);
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        toolkitText()->selection(selectionIndex, startOffset, endOffset);
    }
    int selectionCount() const override { return toolkitText()->selectionCount(); }
    void addSelection(int startOffset, int endOffset) override { toolkitText()->addSelection(startOffset, endOffset); }
    void removeSelection(int selectionIndex) override { toolkitText()->removeSelection(selectionIndex); }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        toolkitText()->setSelection(selectionIndex, startOffset, endOffset);
    }
    int cursorPosition() const override { return toolkitText()->cursorPosition(); }
    void setCursorPosition(int position) override { toolkitText()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override { return toolkitText()->text(startOffset, endOffset); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override
    {
        return toolkitText()->textBeforeOffset(offset, boundaryType, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override
    {
        return toolkitText()->textAfterOffset(offset, boundaryType, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override
    {
        return toolkitText()->textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
    int characterCount() const override { return toolkitText()->characterCount(); }
    QRect characterRect(int offset) const override { return toolkitText()->characterRect(offset); }
    int offsetAtPoint(const QPoint &point) const override { return toolkitText()->offsetAtPoint(point); }
    void scrollToSubstring(int startIndex, int endIndex) override { toolkitText()->scrollToSubstring(startIndex, endIndex); }

    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        const QString attributes = toolkitText()->attributes(offset, startOffset, endOffset);
        // A line edit has one set of attributes for all its text.
        const int count = characterCount();
        if (*startOffset == *endOffset && offset >= 0 && offset < count) {
            *startOffset = 0;
            *endOffset = count;
        }
        return attributes;
    }

private:
    QAccessibleTextInterface *toolkitText() const { return m_toolkit->textInterface(); }

    QAccessibleInterface *m_toolkit;
    QAccessible::Id m_toolkitId;
};

// While it asks the toolkit for its own interface, the factory stands aside.
bool askingToolkit = false;

QAccessibleInterface *textBoxFactory(const QString &className, QObject *object)
{
    if (askingToolkit || className != QLatin1String("QLineEdit") || !qobject_cast<QLineEdit *>(object))
        return nullptr;
    askingToolkit = true;
    QAccessibleInterface *toolkit = QAccessible::queryAccessibleInterface(object);
    askingToolkit = false;
    if (!toolkit)
        return nullptr;
    return new AccessibleTextBox(toolkit);
}

} // namespace

void installAccessibleTextBoxes()
{
    // Installed after the toolkit's factory, so asked first.
    static const bool installed = [] {
        QAccessible::installFactory(textBoxFactory);
        return true;
    }();
    (void)installed;
}

} // namespace runtime
