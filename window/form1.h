#pragma once

#include "runtime/form.h"
#include <string>

#include <cstdint>

namespace runtime {
class CommandButton;
class TextBox;
} // namespace runtime

namespace window {

// The conversion window: degrees, minutes and seconds in, decimal degrees
// out, recalculated on every change of an input field.
class Form1 : public runtime::Form
{
public:
    Form1();

    // Empties the three input fields and gives them back their background.
    void RAZ();

private:
    void Form_Load();
    void Text1_Change(std::int16_t &Index);
    void Text1_KeyPress(std::int16_t &Index, std::int16_t &KeyAscii);
    void Text1_Paste(std::int16_t &Index, const std::string &Pasted, bool &Cancel);
    void Text2_KeyPress(std::int16_t &KeyAscii);
    void Command1_Click();

    void sendTab() const;

    runtime::ControlArray<runtime::TextBox> &Text1;   // 0 degrees, 1 minutes, 2 seconds
    runtime::TextBox &Text2;                          // the result
    runtime::CommandButton &Command1;                 // "Copier"
};

} // namespace window
