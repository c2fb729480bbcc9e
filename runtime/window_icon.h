#pragma once

#include <string_view>

class QWidget;

namespace runtime {

// Gives the application its window icon, every image in a resource folder
// being one of its sizes, once `window` has painted its first frame: the
// toolkit's first image read looks through all its image format plugins,
// which would otherwise hold that frame back. A desktop takes the icon from
// the window whenever it is set.
void setWindowIconAfterFirstFrame(QWidget *window, std::string_view iconFolder);

} // namespace runtime
