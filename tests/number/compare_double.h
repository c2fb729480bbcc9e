#pragma once

#include "same_double.h"

#include <QTest>

// QCOMPARE for doubles, bit for bit: -0 is not +0, and nothing is fuzzy.
#define COMPARE_DOUBLE(actual, expected)                                                            \
    do {                                                                                            \
        const double a_ = (actual);                                                                 \
        const double e_ = (expected);                                                               \
        QVERIFY2(reference::sameDouble(a_, e_),                                                     \
                 ("got " + reference::showDouble(a_) + ", expected " + reference::showDouble(e_)).c_str()); \
    } while (false)
