#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The value of a typed text: the number at its start (leading blanks skipped, a point as the
// decimal separator, an optional exponent). Empty or non-numeric text is 0. Too large a number
// gives an infinity, so that a caller's range check refuses it.
double LeesGetal(const QString& tekst);

// The value rounded to the nearest whole number, a half to the even neighbour;
// empty when it does not fit the target.
std::optional<std::int16_t> LeesGeheel16(const QString& tekst);
std::optional<std::int32_t> LeesGeheel32(const QString& tekst);

// Decimal text without a leading blank, as numbers are shown everywhere.
QString Tekst(std::int64_t getal);
