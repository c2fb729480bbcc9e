#pragma once

#include "runtime/colour.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace runtime {

enum class ControlKind { CommandButton, TextBox, Label };

// A font as a window description states it. An empty face means the
// runtime's default control font; the size, weight and style then still
// come from the default.
struct FontDescription
{
    std::string_view face;       // "Sans Serif", "Terminal" or "" for the default
    double points = 0;           // 0 with the default face
    int weight = 400;            // 400 normal, 700 bold
    bool italic = false;
    int charset = 0;             // 0 ANSI, 255 OEM: text is Unicode here, kept for the record
};

inline constexpr FontDescription defaultFont{};

inline constexpr std::int16_t notInArray = -1;

// A control's object name in the running window, by which it is found:
// its name, and for a member of a control array its index in brackets
// ("Text2", "Text1(0)").
inline std::string objectNameOf(std::string_view name, std::int16_t index)
{
    std::string objectName(name);
    if (index != notInArray)
        objectName += '(' + std::to_string(index) + ')';
    return objectName;
}

// One control of a window: where it sits (twips, relative to the client
// area), what it says, its font and its place in the focus order.
struct ControlDescription
{
    std::string_view name;       // "Text1"
    std::int16_t index;          // member of a control array, or notInArray
    ControlKind kind;
    int left, top, width, height;
    int tabIndex;
    std::string_view caption;    // caption of a label or button, initial text of a text box (UTF-8)
    FontDescription font;
    // A text box whose text must always show whole: a text too wide for it
    // at its font is drawn smaller instead (see runtime/text_fit.h).
    bool shrinkToFit = false;
};

struct FormDescription
{
    std::string_view caption;
    Colour backColor;
    int clientWidth, clientHeight;   // twips
    std::span<const ControlDescription> controls;   // in creation order
};

} // namespace runtime
