#include "window/form1_description.h"

#include <array>

namespace window {
namespace {

using runtime::ControlKind;
using runtime::FontDescription;
using runtime::notInArray;

constexpr FontDescription defaultFont = runtime::defaultFont;
constexpr FontDescription inputFont{"Sans Serif", 9.75, 700, false, 0};
constexpr FontDescription resultFont{"Sans Serif", 13.5, 700, false, 0};
constexpr FontDescription titleFont{"Sans Serif", 8.25, 700, true, 0};
constexpr FontDescription signatureFont{"Terminal", 6, 700, true, 255};

// In creation order. Positions and sizes in twips; the last numeric column
// before the caption is the place in the focus order. The result field
// shrinks a text too wide for it, so that a long result never shows cut.
constexpr std::array form1Controls{
    //                      name        index       kind                       left   top  width height tab caption
    runtime::ControlDescription{"Command1", notInArray, ControlKind::CommandButton, 3720, 1680, 975, 495, 10, "Copier", defaultFont},
    runtime::ControlDescription{"Text2", notInArray, ControlKind::TextBox, 360, 1680, 3015, 500, 3, "Text2", resultFont, true},
    runtime::ControlDescription{"Text1", 2, ControlKind::TextBox, 3240, 960, 1215, 360, 2, "Text1", inputFont},
    runtime::ControlDescription{"Text1", 1, ControlKind::TextBox, 1800, 960, 1215, 360, 1, "Text1", inputFont},
    runtime::ControlDescription{"Text1", 0, ControlKind::TextBox, 240, 960, 1215, 360, 0, "Text1", inputFont},
    runtime::ControlDescription{"Label4", notInArray, ControlKind::Label, 4080, 2400, 855, 255, 9, "KZ 2020", signatureFont},
    runtime::ControlDescription{"Label3", notInArray, ControlKind::Label, 240, 2400, 3135, 255, 8, "Suivant : Tab ou CR  / Effacer tout : Esc", defaultFont},
    runtime::ControlDescription{"Label2", notInArray, ControlKind::Label, 1080, 240, 2655, 255, 7, "Conversion  D M S => D.ddd", titleFont},
    runtime::ControlDescription{"Label1", 2, ControlKind::Label, 3600, 705, 735, 195, 6, "Secondes", defaultFont},
    runtime::ControlDescription{"Label1", 1, ControlKind::Label, 2040, 705, 735, 195, 5, "Minutes", defaultFont},
    runtime::ControlDescription{"Label1", 0, ControlKind::Label, 480, 705, 735, 195, 4, "Degrés", defaultFont},
};

constexpr runtime::Colour lightGreen = 0x00C0FFC0;

} // namespace

const runtime::FormDescription form1Description{
    "Form1",
    lightGreen,
    5055,
    2835,
    form1Controls,
};

} // namespace window
