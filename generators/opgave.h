#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The exercise record that every generator overwrites; callers read it right after the call.
struct OpgaveGegevens
{
    std::int64_t Links = 0;
    std::int64_t Rechts = 0;
    std::optional<std::int64_t> Uitkomst; // empty before the first exercise of the run
    std::string Bewerking; // "+", "-", "x" or ":"
    std::string Omschrijving;
    std::int32_t VorigeUitkomst = 0;
};

extern OpgaveGegevens Opgave;

// Shared settings that the calling modules fill before they call a generator.
extern std::int32_t Maximum;
extern bool Brug;

// Back to the state at program start (empty record, previous answer 0).
void ResetOpgave();

// VorigeUitkomst = Uitkomst as a 32-bit number; an empty Uitkomst counts as 0.
void OnthoudVorigeUitkomst();

// Digit helpers; only ever applied to whole numbers that are not negative.
std::int64_t RandomCijfer();
std::int64_t RandomTweecijferig();
std::int64_t RandomDriecijferig();
std::int64_t Eenheden(std::int64_t x);
std::int64_t Tientallen(std::int64_t x);
std::int64_t Honderdtallen(std::int64_t x);
std::int64_t Duizendtallen(std::int64_t x);
