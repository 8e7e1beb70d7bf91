#pragma once

#include <cstdint>

// A carry ('+') or borrow ('-') in the units, tens, hundreds or thousands: the bridge rule, written out for tests.
inline bool MetBrug(std::int64_t l, std::int64_t r, char teken)
{
    for (std::int64_t plaats = 1; plaats <= 1000; plaats *= 10) {
        const std::int64_t a = l / plaats % 10, b = r / plaats % 10;
        if (teken == '+' ? a + b > 9 : b > a)
            return true;
    }
    return false;
}
