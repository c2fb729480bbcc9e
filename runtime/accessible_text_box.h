#pragma once

namespace runtime {

// Makes every text box read whole by screen readers: the toolkit's own
// accessible line edit, except that its text attributes come as one run over
// the whole text. Qt 6.4 answers each offset with a run of length zero, and
// a screen reader that joins the runs up (Orca does, to find the language
// of what it speaks) then cuts the last character from every value it reads.
// Call once the application object exists and before any text box is made.
void installAccessibleTextBoxes();

} // namespace runtime
