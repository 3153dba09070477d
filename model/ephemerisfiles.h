// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the ephemeris files are and what they hold. The true sky reads JPL's
// DE431 through the Swiss Ephemeris from files of 600 years each (Debian's
// swe-basic-data, swe-standard-data and swe-extra-data: 1800-2399, -5400 to
// 5399, -13000 to 16800). Without a year's file the library falls back on
// Moshier's analytic theory, which it carries itself, between 3000 BC and
// AD 3000, and has nothing beyond. Which it is, century by century, is read
// off the library's own answers, never assumed.
//
// The library keeps its state per thread, the folder included, so every
// thread that asks it anything first calls PrepareThread().

#include "model/catalogue.h"
#include "model/reliableyears.h"

#include <optional>
#include <string>

namespace ephemeris {

// The folder of the files: $HELIODIAL_EPHEMERIS when it is set, else
// Debian's /usr/share/libswe/ephe. Always an explicit folder: left to
// itself the library would look in the current one first.
const std::string &Folder();

// Gives the library the folder in the calling thread, once a thread, and
// has it close its files when the thread ends.
void PrepareThread();

// The library's number for a body; the Earth's is the Earth itself.
int LibraryBody(Body body);

// The library's swe_calc at an instant of terrestrial time, read from the
// file that is the instant's own. Neighbouring files overlap by up to three
// months, and the library keeps using whichever it has open while that one
// still covers the instant: the same instant would then give places a few
// tens of metres apart depending on what the thread asked before, and a
// search split across threads would list different events from one run to
// the next. Every
// place the program takes from the library goes through here.
int Calc(double tt, Body body, int flags, double place[6], char *error);

enum class Source {
    De431,    // JPL's DE431, from a file
    Analytic, // Moshier's theory: about an arc second, the Moon a few
    None,     // no place at all
};

// What a body's places come from in a year, 1601 to 9999 (the nearest
// year's answer outside): the worst of the century that holds it.
Source SourceFor(Body body, int year);

// A century's lowest source over all bodies, as the year's.
Source SourceForYear(int year);

// The first and the last of the years first to last whose lowest source is
// `source`, when there are any.
std::optional<truesky::YearSpan> YearsFrom(Source source, int first, int last);

// What the files on this machine leave of the years first to last, as a
// sentence for the user: that some have no true places, or else that some
// take them from the analytic theory; empty when DE431 holds them all.
std::string Caution(int first, int last);

} // namespace ephemeris
