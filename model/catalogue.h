// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/planet.h"

#include <array>
#include <chrono>
#include <memory>
#include <string_view>

// One row of the fixed table of bodies the program models.
struct CatalogueRow {
    enum class Kind { Planet, Moon };
    Kind kind;
    std::string_view name;
    std::int32_t orbitRing;
    double meanDistance; // au
    double mass;         // Earth = 1
    double period;       // days
    double epochAngle;   // longitude at the epoch; for the Moon its angle round the Earth
};

inline constexpr std::array<CatalogueRow, 10> Catalogue{{
    {CatalogueRow::Kind::Planet, "Mercury", 1, 0.387, 0.055, 87.97, 346.0},
    {CatalogueRow::Kind::Planet, "Venus", 2, 0.723, 0.816, 224.7, 274.0},
    {CatalogueRow::Kind::Planet, "Earth", 3, 1.0, 1.0, 365.256, 101.0},
    {CatalogueRow::Kind::Planet, "Mars", 4, 1.524, 0.107, 687.0, 30.0},
    {CatalogueRow::Kind::Planet, "Jupiter", 5, 5.203, 317.9, 4331.936, 101.0},
    {CatalogueRow::Kind::Planet, "Saturn", 6, 9.54, 95.2, 10760.442, 71.0},
    {CatalogueRow::Kind::Planet, "Uranus", 7, 19.18, 14.5, 30685.157, 334.0},
    {CatalogueRow::Kind::Planet, "Neptune", 8, 30.7, 17.4, 60194.189, 314.0},
    {CatalogueRow::Kind::Planet, "Pluto", 9, 39.67, 0.003, 91277.474, 254.0},
    {CatalogueRow::Kind::Moon, "Moon", 0, 1.0, 0.0123, 27.321661, 124.0},
}};

// Index of each body in the catalogue and in the window's list of bodies.
enum class Body { Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon };

// The planets the alignment finder offers, in the order of its check boxes:
// every planet but the Earth.
inline constexpr std::array<Body, 8> AlignmentPlanets{Body::Mercury, Body::Venus,  Body::Mars,
                                                      Body::Jupiter, Body::Saturn, Body::Uranus,
                                                      Body::Neptune, Body::Pluto};
// The bodies the direction pointer can point at, in the order of its list:
// every body but the Earth.
inline constexpr std::array<Body, 9> PointerTargets{Body::Mercury, Body::Venus,  Body::Mars,
                                                    Body::Jupiter, Body::Saturn, Body::Uranus,
                                                    Body::Neptune, Body::Pluto,  Body::Moon};

constexpr std::string_view BodyName(Body body)
{
    return Catalogue[static_cast<std::size_t>(body)].name;
}

// Creates the body of one row through its own class.
std::unique_ptr<TPlanet> MakeBody(const CatalogueRow &row,
                                  const SceneGeometry &geometry = LayoutGeometry::standard());

// The epoch at which the catalogue's longitudes hold.
inline constexpr std::chrono::year_month_day Epoch{std::chrono::year{2002}, std::chrono::January,
                                                   std::chrono::day{1}};

// Whole days from the epoch to a calendar day; negative before the epoch.
double DayOffset(std::chrono::year_month_day day);

// The fixed time of day every status date carries, as a fraction of a day.
inline constexpr double StatusTimeOfDay = 0.7320906713;
