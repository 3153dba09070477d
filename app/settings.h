// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings file "Settings.hdx": two little-endian signed 32-bit
// integers, the hemisphere sign and the latitude, and nothing else.

#include <QByteArray>
#include <QString>
#include <cstdint>

struct Settings {
    std::int32_t hemisphereSign = 1; // south
    std::int32_t latitude = 0;
    friend bool operator==(const Settings &, const Settings &) = default;
};

inline constexpr const char *SettingsFileName = "Settings.hdx";

// The values of the first 8 bytes; the defaults when there are fewer.
Settings ParseSettings(const QByteArray &bytes);
QByteArray SerialiseSettings(const Settings &settings);

// Reads the file in `folder`; any failure gives the defaults, silently.
Settings LoadSettings(const QString &folder);

// Writes the file in `folder` so that it always holds either the old or the
// new 8 bytes: a temporary file beside it, renamed over it. Where no
// temporary file can be made (a writable file in a read-only folder) the file
// is written in place; a symbolic link has the file it points to replaced.
// Failures are reported by the result only.
bool SaveSettings(const QString &folder, const Settings &settings);
