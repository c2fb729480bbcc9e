#include "runtime/text_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRectF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

constexpr double step = 0.25;
constexpr double captionFloorPoints = 6.0;
constexpr double textBoxFloorPoints = 8.0;

// QLineEdit keeps this many pixels clear on each side of its text, and one
// for the caret after it.
constexpr int lineEditMargin = 2;
constexpr int caretWidth = 1;

QFont atPoints(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

// The font at the largest point size, from the designed font's own down to
// the floor, at which `fill` (how much of its box the text fills with the
// given metrics: 1 when it just fits) is no more than 1: the designed font
// itself when the text fits it, the floor when no size fits.
template <typename Fill>
QFont fittedFont(const QFont &designed, double floorPoints, const Fill &fill)
{
    const double designedPoints = designed.pointSizeF();
    const double designedFill = fill(QFontMetricsF(designed));
    if (designedFill <= 1.0 || designedPoints <= floorPoints)
        return designed;

    const auto fits = [&](double points) { return fill(QFontMetricsF(atPoints(designed, points))) <= 1.0; };
    const auto snapped = [&](double points) {
        return std::clamp(std::floor(points / step) * step, floorPoints, designedPoints - step);
    };
    // Widths shrink about as the size does, so the search starts near the
    // answer and walks a step or two, down then up.
    double points = snapped(designedPoints / designedFill);
    while (points > floorPoints && !fits(points))
        points = snapped(points - step);
    while (points + step < designedPoints && fits(points + step))
        points += step;
    return atPoints(designed, points);
}

// The ink of an italic caption can reach past its advance, and a first
// glyph can start left of the origin: the box must hold both.
QFont captionFont(const QFont &designed, const QString &caption, QSizeF box)
{
    return fittedFont(designed, captionFloorPoints, [&](const QFontMetricsF &metrics) {
        const QRectF ink = metrics.boundingRect(caption);
        const double width = std::max(metrics.horizontalAdvance(caption), ink.right()) - std::min(0.0, ink.left());
        const double height = metrics.height();
        return std::max(std::ceil(width) / box.width(), std::ceil(height) / box.height());
    });
}

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

void fitCaption(QLabel *label)
{
    if (!label->text().isEmpty())
        label->setFont(captionFont(label->font(), label->text(), label->contentsRect().size()));
}

void fitCaption(QPushButton *button)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    button->setFont(captionFont(button->font(), button->text(), contents.size()));
}

ShrinkToFit::ShrinkToFit(QLineEdit *edit) : QObject(edit), m_edit(edit), m_designed(edit->font())
{
    m_lineWidth = lineWidthOf(m_edit);
    QObject::connect(m_edit, &QLineEdit::textChanged, this, &ShrinkToFit::fit);
    m_edit->installEventFilter(this);
    fit();
}

bool ShrinkToFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::StyleChange) {
        m_lineWidth = lineWidthOf(m_edit);
        fit();
    }
    return QObject::eventFilter(watched, event);
}

void ShrinkToFit::fit()
{
    const QString text = m_edit->text();
    QFont font = m_designed;
    if (text.size() > m_lineWidth) {
        // More characters than the box has pixels (a paste, say) cannot fit
        // at any size: shaping it all would only stall the window.
        font.setPointSizeF(textBoxFloorPoints);
    } else {
        // Measured as the box lays its text out: the shaped advance, rounded,
        // then the caret and the bearings.
        font = fittedFont(m_designed, textBoxFloorPoints, [&](const QFontMetricsF &metrics) {
            return (std::round(metrics.horizontalAdvance(text)) + caretWidth + bearingsOf(metrics)) / m_lineWidth;
        });
    }
    if (font != m_edit->font())
        m_edit->setFont(font);
}

} // namespace runtime
