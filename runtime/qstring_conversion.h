#pragma once

#include <QString>

#include <string_view>

namespace runtime {

// Descriptions and project records hold UTF-8 text; Qt wants QString.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace runtime
