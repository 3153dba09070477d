// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QLineEdit;

// Whether a place of a digit field may be left blank.
enum class DigitPlaces { Digits, MayBeBlank };

// Lets the field take no more than `places` characters, each a digit (or a
// blank, when the places may be blank).
void AcceptDigitsOnly(QLineEdit *field, int places, DigitPlaces kind = DigitPlaces::Digits);

// The form a digits-only field brings its text into on every change: every
// character that is not a digit 0 to 9 deleted, an emptied field given its
// default digit, and a text longer than the field's digits cut to its last
// digits (so a digit typed at the end pushes out the first).
QString CleanDigits(const QString &text, int maxDigits, const QString &emptyDefault);

// The night-time hour's arrows' position for what was typed in its field:
// the number held within 0 to 13, or the current position when the text is
// no number.
int HourPositionFromText(const QString &text, int current);

// The maximum separation typed in the degrees field, blanks removed; empty
// when the field holds no digits.
std::optional<int> DegreesFromText(const QString &text);
