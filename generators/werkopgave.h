#pragma once

#include "opgave.h"

// Only for the generators. The record every generator fills and returns a copy of: the answer it leaves
// becomes the next generator's previous answer, so that no answer comes twice in a row across all
// generators and modules.
Opgave& Werkopgave();

// VorigeUitkomst = Uitkomst as a 32-bit number; an empty Uitkomst counts as 0.
void OnthoudVorigeUitkomst();
