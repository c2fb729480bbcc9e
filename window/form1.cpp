#include "window/form1.h"

#include "window/form1_description.h"

#include "runtime/announcement.h"
#include "runtime/beep.h"
#include "runtime/clipboard.h"
#include "runtime/colour.h"
#include "runtime/command_button.h"
#include "runtime/key_ascii.h"
#include "runtime/numbers.h"
#include "runtime/script_shell.h"
#include "runtime/text_box.h"

#include <cmath>
#include <optional>

namespace window {
namespace {

using runtime::systemColour::inactiveBorder;
constexpr runtime::Colour pureRed = 0x000000FF;

constexpr double limit = 60.0;

// Shown instead of a number when the sum leaves the range of doubles.
constexpr const char *overflowText = "Dépassement de capacité";

// What a screen reader is told at once when a value is refused, and what it
// tells of the refused field for as long as it is red.
constexpr const char *refusalDescription = "Valeur refusée : supérieure à 60";

// What a screen reader is told once the result is on the clipboard.
constexpr const char *copiedAnnouncement = "Résultat copié";

// What a screen reader hears once a pasted coordinate fills the fields.
constexpr const char *spreadAnnouncement = "Coordonnée répartie : ";

// The coordinate as it was written, in the marks a screen reader reads:
// "48° 51′ 24″ N".
std::string spokenAngle(const number::WholeAngle &angle)
{
    std::string spoken = (angle.minusSign ? "-" : "") + angle.degrees + "°";
    if (!angle.minutes.empty())
        spoken += " " + angle.minutes + "′";
    if (!angle.seconds.empty())
        spoken += " " + angle.seconds + "″";
    if (angle.hemisphere != '\0')
        spoken += std::string(" ") + angle.hemisphere;
    return spoken;
}

} // namespace

Form1::Form1()
    : runtime::Form(form1Description),
      Text1(textBoxArray("Text1")),
      Text2(textBox("Text2")),
      Command1(commandButton("Command1"))
{
    onLoad([this] { Form_Load(); });
    Text1.onChange([this](std::int16_t &Index) { Text1_Change(Index); });
    Text1.onKeyPress([this](std::int16_t &Index, std::int16_t &KeyAscii) { Text1_KeyPress(Index, KeyAscii); });
    Text1.onPaste([this](std::int16_t &Index, const std::string &Pasted, bool &Cancel) {
        Text1_Paste(Index, Pasted, Cancel);
    });
    Text2.onKeyPress([this](std::int16_t &KeyAscii) { Text2_KeyPress(KeyAscii); });
    Command1.onClick([this] { Command1_Click(); });

    for (std::int16_t index = 0; index <= 2; ++index)
        setLabelFor("Label1", index, "Text1", index);
    setAccessibleName("Text2", runtime::notInArray, "Résultat");
    setDescriptionFromLabels({"Label2", "Label3"});   // the title line and the key help
}

void Form1::Form_Load()
{
    RAZ();
    Text2.setText("");
}

void Form1::RAZ()
{
    for (std::int16_t index = 0; index <= 2; ++index)
        Text1[index].setBackColor(inactiveBorder);
    // Each emptying that changes a field recalculates before the next one.
    Text1[0].setText("");
    Text1[1].setText("");
    Text1[2].setText("");
}

void Form1::Text1_Change(std::int16_t &Index)
{
    // Minutes and seconds above 60 are refused; the refusal marks the field.
    if (Index > 0 && Index <= 2) {
        const double v = runtime::readNumber(Text1[Index].text());
        if (v > limit) {
            runtime::beep();
            Text1[Index].setForeColor(pureRed);
            Text1[Index].setDescription(refusalDescription);
            runtime::announce(refusalDescription);
            return;
        }
    }

    const double m = runtime::readNumber(Text1[1].text());
    const double s = runtime::readNumber(Text1[2].text());
    const double d = runtime::readNumber(Text1[0].text());

    // Each step rounds to double: the minutes term is m times the quotient
    // 1/60, which differs from m/60 in the last bit for some minutes.
    const double a = 1.0 / 60.0;
    double sum = d + a * m;
    const double b = 1.0 / 3600.0;
    sum = sum + b * s;

    if (!std::isfinite(sum)) {
        runtime::beep();
        Text2.setText(overflowText);
        return;
    }
    Text2.setText(runtime::textOf(sum));
}

void Form1::Text1_KeyPress(std::int16_t & /*Index*/, std::int16_t &KeyAscii)
{
    if (KeyAscii == runtime::keyEnter)
        sendTab();
    if (KeyAscii == runtime::keyEscape) {
        sendTab();
        Text1[0].setText("");
        Text1[1].setText("");
        Text1[2].setText("");
        Text2.setText("");
    }
}

void Form1::Text1_Paste(std::int16_t &Index, const std::string &Pasted, bool &Cancel)
{
    // Only a whole coordinate is spread over the three fields; any other
    // text is pasted into the field as it is.
    const std::optional<number::WholeAngle> angle = runtime::readWholeAngle(Pasted);
    if (!angle)
        return;
    Cancel = true;

    // Each part keeps the angle's sign, since the sum adds the parts as they are.
    const std::string sign = angle->negative() ? "-" : "";
    const auto withSign = [&sign](const std::string &part) { return part.empty() ? part : sign + part; };
    // Ordinary assignments: each recalculates, and a part above 60 is refused.
    Text1[0].setText(withSign(angle->degrees));
    Text1[1].setText(withSign(angle->minutes));
    Text1[2].setText(withSign(angle->seconds));
    Text1[Index].moveCaretToEnd();

    runtime::announce(spreadAnnouncement + spokenAngle(*angle));
}

void Form1::Text2_KeyPress(std::int16_t &KeyAscii)
{
    if (KeyAscii == runtime::keyEscape) {
        sendTab();
        RAZ();
    }
}

void Form1::Command1_Click()
{
    runtime::Clipboard &Clipboard = runtime::clipboard();
    Clipboard.Clear();
    Clipboard.SetText(Text2.text());
    runtime::announce(copiedAnnouncement);
}

void Form1::sendTab() const
{
    const runtime::ScriptShell shell;
    shell.SendKeys("{Tab}");
}

} // namespace window
