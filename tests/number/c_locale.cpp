#include "c_locale.h"

namespace {

locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

} // namespace

InCLocale::InCLocale() : m_previous(uselocale(cLocale())) {}

InCLocale::~InCLocale()
{
    uselocale(m_previous);
}
