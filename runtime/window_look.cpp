#include "runtime/window_look.h"

#include "runtime/colour.h"
#include "runtime/fonts.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include <utility>

namespace runtime {
namespace {

// Every role a style draws with, and the system colour it takes.
constexpr std::pair<QPalette::ColorRole, Colour> roleColours[] = {
    {QPalette::Window, systemColour::buttonFace},
    {QPalette::WindowText, systemColour::windowText},
    {QPalette::Base, systemColour::windowBackground},
    {QPalette::AlternateBase, systemColour::buttonFace},
    {QPalette::Text, systemColour::windowText},
    {QPalette::PlaceholderText, systemColour::greyText},
    {QPalette::Button, systemColour::buttonFace},
    {QPalette::ButtonText, systemColour::buttonText},
    {QPalette::BrightText, systemColour::buttonHighlight},
    {QPalette::Light, systemColour::buttonHighlight},
    {QPalette::Midlight, systemColour::light3D},
    {QPalette::Mid, systemColour::buttonShadow},
    {QPalette::Dark, systemColour::buttonShadow},
    {QPalette::Shadow, systemColour::darkShadow3D},
    {QPalette::Highlight, systemColour::highlight},
    {QPalette::HighlightedText, systemColour::highlightedText},
    {QPalette::Link, systemColour::highlight},
    {QPalette::LinkVisited, systemColour::highlight},
    {QPalette::ToolTipBase, systemColour::tooltipBackground},
    {QPalette::ToolTipText, systemColour::tooltipText},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // Newer toolkits draw focus frames and checked marks with the desktop's
    // accent colour: ours is the highlight.
    {QPalette::Accent, systemColour::highlight},
#endif
};

// Disabled controls write in grey text on the button face.
constexpr std::pair<QPalette::ColorRole, Colour> disabledRoleColours[] = {
    {QPalette::WindowText, systemColour::greyText},
    {QPalette::Text, systemColour::greyText},
    {QPalette::ButtonText, systemColour::greyText},
    {QPalette::Base, systemColour::buttonFace},
};

} // namespace

void setApplicationLook()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette palette;
    for (const auto &[role, colour] : roleColours)
        palette.setColor(role, toQColor(colour));
    for (const auto &[role, colour] : disabledRoleColours)
        palette.setColor(QPalette::Disabled, role, toQColor(colour));
    QApplication::setPalette(palette);
    QApplication::setFont(defaultControlFont());
}

} // namespace runtime
