#pragma once

#include <cstdint>
#include <optional>
#include <string>

// One exercise as a generator made it.
struct Opgave
{
    std::int64_t Links = 0;
    std::int64_t Rechts = 0;
    std::optional<std::int64_t> Uitkomst; // empty before the first exercise, or when no exercise exists
    std::string Bewerking; // "+", "-", "x" or ":"
    std::string Omschrijving;
    std::int32_t VorigeUitkomst = 0; // the answer of the exercise made before it
};

// The exercise written without blanks, "47-7": how it is named in feedback and in lists of exercises shown.
std::string Som(const Opgave& opgave);

// Forgets the last exercise made, as at program start (no answer, previous answer 0).
void ResetOpgave();

// Digit helpers; only ever applied to whole numbers that are not negative.
std::int64_t RandomCijfer();
std::int64_t RandomTweecijferig();
std::int64_t RandomDriecijferig();
std::int64_t Eenheden(std::int64_t x);
std::int64_t Tientallen(std::int64_t x);
std::int64_t Honderdtallen(std::int64_t x);
std::int64_t Duizendtallen(std::int64_t x);
