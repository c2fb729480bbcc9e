#include "runtime/shrink_to_fit.h"

#include "runtime/fitted_font.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

constexpr double floorPoints = 8.0;

// QLineEdit keeps this many pixels clear on each side of its text, and one
// for the caret after it.
constexpr int lineEditMargin = 2;
constexpr int caretWidth = 1;

} // namespace

ShrinkToFit::ShrinkToFit(QLineEdit *edit) : QObject(edit), m_edit(edit), m_designed(edit->font())
{
    QObject::connect(m_edit, &QLineEdit::textChanged, this, &ShrinkToFit::fit);
    fit();
}

void ShrinkToFit::fit()
{
    const QString text = m_edit->text();
    const int available = lineWidth();
    // Measured as the box lays its text out: the advance, plus room for
    // glyphs that reach past their first and last pixel.
    const BoxFill fill = [&](const QFontMetricsF &metrics) {
        const double bearings = std::max(0.0, std::round(-metrics.minLeftBearing()))
                                + std::max(0.0, std::round(-metrics.minRightBearing()));
        const double width = std::round(metrics.horizontalAdvance(text)) + caretWidth + bearings;
        return width / available;
    };
    const QFont font = text.isEmpty() ? m_designed : fittedFont(m_designed, floorPoints, fill);
    if (font != m_edit->font())
        m_edit->setFont(font);
}

// The width the box's text is laid out in: its frame, the style's contents
// rectangle, its text margins and its own margins taken off.
int ShrinkToFit::lineWidth() const
{
    QStyleOptionFrame option;
    option.initFrom(m_edit);
    option.rect = m_edit->contentsRect();
    option.lineWidth = m_edit->hasFrame() ? m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, m_edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = m_edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, m_edit)
                               .marginsRemoved(m_edit->textMargins());
    return std::max(1, contents.width() - 2 * lineEditMargin);
}

} // namespace runtime
