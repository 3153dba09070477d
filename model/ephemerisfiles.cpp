// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ephemerisfiles.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ephemeris {

namespace {

constexpr int FirstCentury = 16; // 1600-1699
constexpr int LastCentury = 99;  // 9900-9999
constexpr std::size_t Centuries = LastCentury - FirstCentury + 1;

int CenturyOf(int year)
{
    return std::clamp(year / 100, FirstCentury, LastCentury);
}

// The Julian day of 1 January of a Gregorian year, 0 h.
double NewYear(int year)
{
    return swe_julday(year, 1, 1, 0.0, SE_GREG_CAL);
}

// What the library answers for a body at an instant of terrestrial time.
Source Asked(Body body, double tt)
{
    double place[6] = {};
    char error[AS_MAXCH] = "";
    const int32 flags = SEFLG_SWIEPH | SEFLG_J2000 | SEFLG_TRUEPOS | SEFLG_XYZ |
                        (body == Body::Moon ? 0 : SEFLG_HELCTR);
    const int32 got = Calc(tt, body, flags, place, error);
    if (got < 0)
        return Source::None;
    return (got & SEFLG_SWIEPH) ? Source::De431 : Source::Analytic;
}

Source Worse(Source a, Source b)
{
    return static_cast<int>(a) > static_cast<int>(b) ? a : b;
}

using Table = std::array<std::array<Source, 10>, Centuries>;

// The files hold 600 years each, from 1200, 1800, 2400 and so on, and the
// library's own theory ends with one, in 3000: a file's first and last day
// in the calendar tell what each of its centuries is made of.
constexpr int FileYears = 600;

Table Measured()
{
    PrepareThread();
    Table table{};
    for (int century = FirstCentury; century <= LastCentury;) {
        const int fileStart = century * 100 / FileYears * FileYears;
        const int first = std::max(fileStart / 100, FirstCentury);
        const int last = std::min((fileStart + FileYears) / 100 - 1, LastCentury);
        const double start = NewYear(first * 100), end = NewYear((last + 1) * 100) - 1;
        for (std::size_t b = 0; b < 10; ++b) {
            const auto body = static_cast<Body>(b);
            const Source source = Worse(Asked(body, start), Asked(body, end));
            for (int c = first; c <= last; ++c)
                table[static_cast<std::size_t>(c - FirstCentury)][b] = source;
        }
        century = last + 1;
    }
    return table;
}

const Table &Sources()
{
    static const Table table = Measured();
    return table;
}

// The files hold 600 years each, from 1 January 0 h of 1200, 1800, 2400 and
// so on; the planets' file of a block is sepl, the Moon's semo.
int FileBlock(double tt)
{
    int year = 0, month = 0, day = 0;
    double hour = 0;
    swe_revjul(tt, SE_GREG_CAL, &year, &month, &day, &hour);
    return static_cast<int>(std::floor(year / static_cast<double>(FileYears)));
}

double MiddleOf(int block)
{
    return NewYear(block * FileYears + FileYears / 2);
}

// The library's two files a place may be read from: the planets' (which
// gives the Sun's and the Earth-Moon barycentre's places too) and the Moon's,
// each with a body it serves.
struct PlaceFile {
    int number;
    int libraryBody;
};
constexpr std::array<PlaceFile, 2> PlaceFiles{{{0, SE_MERCURY}, {1, SE_MOON}}};

// Neighbouring files overlap by up to three months about each block's
// 1 January, and the library reads an instant from whichever open file
// covers it, and from whatever stretch of coefficients it last read for the
// body while that stretch covers it, even from a file since closed. So that
// an instant's place is always read from its own block's file:
// - when a thread moves to another block, the library starts afresh, every
//   file closed and every stretch forgotten (as the folder is set again);
// - within the block, a file of the neighbouring block that is open and
//   covers the instant (the Moon's of 1800-2399, say, which the library
//   opens for itself) is closed by asking, in the middle of the block, for
//   a body it serves, which opens the block's own file in its place.
void UseOwnFiles(double tt)
{
    constexpr int NoBlock = std::numeric_limits<int>::min();
    thread_local int threadBlock = NoBlock;
    const int block = FileBlock(tt);
    if (block != threadBlock) {
        if (threadBlock != NoBlock)
            swe_set_ephe_path(Folder().c_str());
        threadBlock = block;
    }
    for (const PlaceFile &file : PlaceFiles) {
        double start = 0, end = 0;
        int de = 0;
        if (!swe_get_current_file_data(file.number, &start, &end, &de))
            continue;
        if (tt < start || tt > end || FileBlock((start + end) / 2) == block)
            continue;
        double place[6];
        char error[AS_MAXCH];
        swe_calc(MiddleOf(block), file.libraryBody, SEFLG_SWIEPH | SEFLG_J2000 | SEFLG_XYZ, place,
                 error);
    }
}

} // namespace

const std::string &Folder()
{
    static const std::string folder = [] {
        const char *chosen = std::getenv("HELIODIAL_EPHEMERIS");
        return std::string(chosen && *chosen ? chosen : "/usr/share/libswe/ephe");
    }();
    return folder;
}

void PrepareThread()
{
    // The open files and their buffers are the thread's own: closed when
    // the thread ends, or every worker that ends would leave them behind.
    struct Prepared {
        Prepared() { swe_set_ephe_path(Folder().c_str()); }
        ~Prepared() { swe_close(); }
        Prepared(const Prepared &) = delete;
        Prepared &operator=(const Prepared &) = delete;
    };
    thread_local const Prepared prepared;
    (void)prepared;
}

int LibraryBody(Body body)
{
    static constexpr std::array<int, 10> Numbers{
        SE_MERCURY, SE_VENUS,  SE_EARTH,   SE_MARS,  SE_JUPITER,
        SE_SATURN,  SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MOON,
    };
    return Numbers[static_cast<std::size_t>(body)];
}

int Calc(double tt, Body body, int flags, double place[6], char *error)
{
    PrepareThread();
    // An instant that is not a number (a missing place carried into its
    // light time) belongs to no file, and the library answers nothing.
    if (std::isfinite(tt))
        UseOwnFiles(tt);
    return swe_calc(tt, LibraryBody(body), flags, place, error);
}

Source SourceFor(Body body, int year)
{
    return Sources()[CenturyOf(year) - FirstCentury][static_cast<std::size_t>(body)];
}

Source SourceForYear(int year)
{
    Source worst = Source::De431;
    for (std::size_t b = 0; b < 10; ++b)
        worst = Worse(worst, SourceFor(static_cast<Body>(b), year));
    return worst;
}

std::optional<truesky::YearSpan> YearsFrom(Source source, int first, int last)
{
    std::optional<truesky::YearSpan> found;
    for (int year = first; year <= last; ++year) {
        if (SourceForYear(year) != source)
            continue;
        if (!found)
            found = truesky::YearSpan{year, year};
        found->last = year;
    }
    return found;
}

std::string Caution(int first, int last)
{
    const auto named = [](truesky::YearSpan years) {
        return years.first == years.last
                   ? std::to_string(years.first)
                   : std::to_string(years.first) + " to " + std::to_string(years.last);
    };
    const std::string missing = "The ephemeris files for ";
    const std::string where = " are not in " + Folder() + ": ";
    if (const std::optional<truesky::YearSpan> none = YearsFrom(Source::None, first, last))
        return missing + named(*none) + where + "there are no true places for " +
               (none->first == none->last ? "that year." : "those years.");
    if (const std::optional<truesky::YearSpan> analytic = YearsFrom(Source::Analytic, first, last))
        return missing + named(*analytic) + where +
               "the true places come from an analytic theory, good to an arc second or so "
               "instead of DE431's thousandth.";
    return {};
}

} // namespace ephemeris
