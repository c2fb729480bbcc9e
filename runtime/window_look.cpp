#include "runtime/window_look.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

namespace runtime {
namespace {

Colour activeColourOf(QPalette::ColorRole role, Colour backColor)
{
    using namespace systemColour;
    switch (role) {
    case QPalette::Window: return backColor;
    case QPalette::WindowText: return windowText;
    case QPalette::Base: return windowBackground;
    case QPalette::AlternateBase: return buttonFace;
    case QPalette::Text: return windowText;
    case QPalette::PlaceholderText: return greyText;
    case QPalette::Button: return buttonFace;
    case QPalette::ButtonText: return buttonText;
    case QPalette::BrightText: return buttonHighlight;
    case QPalette::Light: return buttonHighlight;
    case QPalette::Midlight: return light3D;
    case QPalette::Mid: return buttonShadow;
    case QPalette::Dark: return buttonShadow;
    case QPalette::Shadow: return darkShadow3D;
    case QPalette::Highlight: return highlight;
    case QPalette::HighlightedText: return highlightedText;
    case QPalette::Link: return highlight;
    case QPalette::LinkVisited: return highlight;
    case QPalette::ToolTipBase: return tooltipBackground;
    case QPalette::ToolTipText: return tooltipText;
    default: return windowText;
    }
}

// Disabled controls write in grey text on the button face; everything else
// stays as when enabled.
Colour disabledColourOf(QPalette::ColorRole role, Colour backColor)
{
    switch (role) {
    case QPalette::WindowText:
    case QPalette::Text:
    case QPalette::ButtonText:
        return systemColour::greyText;
    case QPalette::Base:
        return systemColour::buttonFace;
    default:
        return activeColourOf(role, backColor);
    }
}

} // namespace

QStyle *windowStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(qApp);
    }
    return style;
}

QPalette windowPalette(Colour backColor)
{
    QPalette palette;
    for (int index = 0; index < QPalette::NColorRoles; ++index) {
        const auto role = static_cast<QPalette::ColorRole>(index);
        if (role == QPalette::NoRole)
            continue;
        const QColor active = toQColor(activeColourOf(role, backColor));
        palette.setColor(QPalette::Active, role, active);
        palette.setColor(QPalette::Inactive, role, active);
        palette.setColor(QPalette::Disabled, role, toQColor(disabledColourOf(role, backColor)));
    }
    return palette;
}

} // namespace runtime
