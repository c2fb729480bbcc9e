#include "runtime/caption_fit.h"

#include "runtime/fitted_font.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QRectF>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

constexpr double captionFloorPoints = 6.0;

// The ink of an italic caption can reach past its advance, and a first
// glyph can start left of the origin: the box must hold both.
BoxFill fillOf(const QString &caption, QSizeF box)
{
    return [caption, box](const QFontMetricsF &metrics) {
        const QRectF ink = metrics.boundingRect(caption);
        const double width = std::max(metrics.horizontalAdvance(caption), ink.right()) - std::min(0.0, ink.left());
        const double height = metrics.height();
        return std::max(std::ceil(width) / box.width(), std::ceil(height) / box.height());
    };
}

} // namespace

void fitCaption(QLabel *label)
{
    if (label->text().isEmpty())
        return;
    label->setFont(fittedFont(label->font(), captionFloorPoints, fillOf(label->text(), label->contentsRect().size())));
}

void fitCaption(QPushButton *button)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    button->setFont(fittedFont(button->font(), captionFloorPoints, fillOf(button->text(), contents.size())));
}

} // namespace runtime
