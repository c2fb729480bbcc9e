#pragma once

#include <locale.h>

// The "C" locale for the calling thread while it lives, so that printf and
// strtod write and read '.' whatever locale the process runs under.
class InCLocale
{
public:
    InCLocale();
    ~InCLocale();
    InCLocale(const InCLocale &) = delete;
    InCLocale &operator=(const InCLocale &) = delete;

private:
    locale_t m_previous;
};
