#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QObject>

#include <array>

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void measureBox();
    void fit();
    bool plainlyFitsDesigned(const QString &text);

    QLineEdit *m_edit;
    QFont m_designed;
    QFontMetricsF m_designedMetrics;
    int m_lineWidth = 0;
    double m_designedBearings = 0;
    // Advances of the ASCII characters at the designed font, measured when
    // first met, for the check that runs on every change.
    std::array<double, 128> m_asciiAdvances{};
};

} // namespace runtime
