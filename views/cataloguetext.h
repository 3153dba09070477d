// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/catalogue.h"

#include <QDate>
#include <QString>

// The catalogue's epoch and names in the types the windows show them in.

// The epoch as a calendar day.
QDate EpochDate();

// A body's name, as its check box or list entry shows it.
QString BodyNameText(Body body);
