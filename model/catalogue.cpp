// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include <string>

std::unique_ptr<TPlanet> MakeBody(const CatalogueRow &row, const SceneGeometry &geometry)
{
    const std::string name{row.name};
    if (row.kind == CatalogueRow::Kind::Moon)
        return std::make_unique<TMoon>(name, row.orbitRing, row.meanDistance, row.mass, row.period,
                                       row.epochAngle, geometry);
    return std::make_unique<TPlanet>(name, row.orbitRing, row.meanDistance, row.mass, row.period,
                                     row.epochAngle, geometry);
}

double DayOffset(std::chrono::year_month_day day)
{
    using std::chrono::sys_days;
    return static_cast<double>((sys_days{day} - sys_days{Epoch}).count());
}
