#pragma once

#include <QString>

#include <cstdint>

// What a window says under its settings about how many different exercises they allow: "Met deze keuze: 45
// verschillende oefeningen", and plainly that some will come more than once when fewer than `nodig` exist (the 30
// of a sheet, the exercises of a series) `waar` ("op het blad", "in de reeks"). Large numbers are grouped by
// thousands, as in "Tot 10.000".
QString MetDezeKeuze(std::uint64_t aantal, std::uint64_t nodig, const QString& waar);
