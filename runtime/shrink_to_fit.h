#pragma once

#include <QFont>
#include <QObject>

class QLineEdit;

namespace runtime {

// Keeps a text box's text whole: a text that fits at the box's designed font
// is drawn at it; a wider one at the largest smaller size that fits, down to
// eight points; beyond that the box scrolls as any does. Only the drawing
// size changes: the text, its selection and the caret are the box's own.
class ShrinkToFit : public QObject
{
public:
    // Takes the box's current font as its designed font; owned by the box.
    explicit ShrinkToFit(QLineEdit *edit);

private:
    void fit();
    int lineWidth() const;

    QLineEdit *m_edit;
    QFont m_designed;
};

} // namespace runtime
