#include "runtime/shrink_to_fit.h"

#include "runtime/fitted_font.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

constexpr double floorPoints = 8.0;
constexpr double notMeasured = -1;

// QLineEdit keeps this many pixels clear on each side of its text, and one
// for the caret after it.
constexpr int lineEditMargin = 2;
constexpr int caretWidth = 1;

// Room a line edit keeps for glyphs that reach past their first and last
// pixel, as it rounds them.
double bearingsOf(const QFontMetricsF &metrics)
{
    return std::max(0.0, std::round(-metrics.minLeftBearing())) + std::max(0.0, std::round(-metrics.minRightBearing()));
}

// The width the box's text is laid out in: its frame, the style's contents
// rectangle, its text margins and its own margins taken off.
int lineWidthOf(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).marginsRemoved(edit->textMargins());
    return std::max(1, contents.width() - 2 * lineEditMargin);
}

} // namespace

ShrinkToFit::ShrinkToFit(QLineEdit *edit)
    : QObject(edit), m_edit(edit), m_designed(edit->font()), m_designedMetrics(m_designed)
{
    m_designedBearings = bearingsOf(m_designedMetrics);
    m_asciiAdvances.fill(notMeasured);
    measureBox();
    QObject::connect(m_edit, &QLineEdit::textChanged, this, &ShrinkToFit::fit);
    m_edit->installEventFilter(this);
    fit();
}

bool ShrinkToFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::StyleChange) {
        measureBox();
        fit();
    }
    return QObject::eventFilter(watched, event);
}

void ShrinkToFit::measureBox()
{
    m_lineWidth = lineWidthOf(m_edit);
}

// A text of ASCII characters whose advances add up well inside the box fits
// at the designed font: shaping it in full (which costs more than the rest
// of a keystroke's recalculation) could only bring its pairs closer. Two
// pixels of slack cover rounding.
bool ShrinkToFit::plainlyFitsDesigned(const QString &text)
{
    constexpr double slack = 2;
    double width = caretWidth + m_designedBearings + slack;
    for (const QChar character : text) {
        if (character.unicode() >= m_asciiAdvances.size())
            return false;
        double &advance = m_asciiAdvances[character.unicode()];
        if (advance == notMeasured)
            advance = m_designedMetrics.horizontalAdvance(character);
        width += advance;
        if (width > m_lineWidth)
            return false;
    }
    return true;
}

void ShrinkToFit::fit()
{
    const QString text = m_edit->text();
    QFont font = m_designed;
    if (text.size() > m_lineWidth) {
        // More characters than the box has pixels (a paste, say) cannot fit
        // at any size: shaping it all would only stall the window.
        font.setPointSizeF(floorPoints);
    } else if (!plainlyFitsDesigned(text)) {
        // Measured as the box lays its text out: the shaped advance, rounded,
        // then the caret and the bearings.
        font = fittedFont(m_designed, floorPoints, [&](const QFontMetricsF &metrics) {
            return (std::round(metrics.horizontalAdvance(text)) + caretWidth + bearingsOf(metrics)) / m_lineWidth;
        });
    }
    if (font != m_edit->font())
        m_edit->setFont(font);
}

} // namespace runtime
