#pragma once

#include <QFont>
#include <QObject>

class QLabel;
class QLineEdit;
class QPushButton;

namespace runtime {

// Text the window shows is never cut: drawn cut, a caption reads as another
// word and a result as another number. A text too wide or too tall for its
// box at the designed font is drawn at the largest smaller size that shows
// it whole, in quarter points, down to a floor; the text itself never
// changes.

// A caption is fixed: it is fitted once, down to six points (the smallest
// size the window's design uses). A missing face, a wider fallback or the
// desktop's font settings can make it wider than its box; a caption that
// fits keeps its font.
void fitCaption(QLabel *label);
void fitCaption(QPushButton *button);

// Keeps a text box's text whole as it changes: a text that fits at the box's
// designed font is drawn at it; a wider one smaller, down to eight points;
// beyond that the box scrolls as any does. Only the drawing size changes:
// the text, its selection and the caret are the box's own.
class ShrinkToFit : public QObject
{
public:
    // Takes the box's current font as its designed font; owned by the box.
    explicit ShrinkToFit(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QLineEdit *m_edit;
    QFont m_designed;
    int m_lineWidth = 0;
};

} // namespace runtime
