// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ephemerisfiles.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cstdlib>

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
    const int32 got = swe_calc(tt, LibraryBody(body), flags, place, error);
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

} // namespace ephemeris
