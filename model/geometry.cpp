// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/geometry.h"

const LayoutGeometry &LayoutGeometry::standard()
{
    static const LayoutGeometry layout;
    return layout;
}
