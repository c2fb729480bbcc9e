#include "runtime/fonts.h"

#include "runtime/form_description.h"
#include "runtime/qstring_conversion.h"

#include <QFont>
#include <QStringList>

namespace runtime {
namespace {

// Liberation Sans and Liberation Mono (Debian's fonts-liberation2) keep the
// narrow metrics the window's boxes were laid out for; DejaVu
// (fonts-dejavu-core) is the fallback found on every Debian desktop, wider,
// so captions and results may be drawn a little smaller with it.
const QStringList sansSerifFaces{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
const QStringList fixedPitchFaces{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};

QFont faceNamed(std::string_view face)
{
    QFont font;
    // Glyphs snapped to the pixel grid: captions then keep the widths the
    // window's boxes were sized to.
    font.setHintingPreference(QFont::PreferFullHinting);
    if (face == "Sans Serif") {
        font.setFamilies(sansSerifFaces);
        font.setStyleHint(QFont::SansSerif);
    } else if (face == "Terminal") {
        font.setFamilies(fixedPitchFaces);
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setFamily(toQString(face));
    }
    return font;
}

} // namespace

QFont defaultControlFont()
{
    QFont font = faceNamed("Sans Serif");
    font.setPointSizeF(8.25);
    return font;
}

QFont fontFor(const FontDescription &description)
{
    if (description.face.empty())
        return defaultControlFont();
    QFont font = faceNamed(description.face);
    font.setPointSizeF(description.points);
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    font.setItalic(description.italic);
    return font;
}

} // namespace runtime
