#pragma once

#include <QString>

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.toStdString() << '"';
}
