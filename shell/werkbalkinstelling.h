#pragma once

// The toolbar setting, kept in data/werkbalk.dat relative to the working directory: "1" or "0" and
// CR LF. Only a regular file of a few bytes that is no link counts; a FIFO, folder, device, link or
// oversized file under that name is treated as missing and left alone, so it can neither stall the
// start nor be written through.

// Shown when the file holds 1, hidden for any other number; a missing, unusable, empty or
// non-numeric file shows the toolbar, so a damaged file never takes the buttons away.
bool LeesWerkbalkTonen();

// Replaces the file as a whole, or creates it. A name taken by anything but a regular file, or a
// read-only or otherwise unwritable file, stays as it was.
void BewaarWerkbalkTonen(bool tonen);
