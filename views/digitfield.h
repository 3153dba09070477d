#pragma once

#include <QString>

// The form a digits-only field brings its text into on every change: every
// character that is not a digit 0 to 9 deleted, an emptied field given its
// default digit, and a text longer than the field's digits cut to its last
// digits (so a digit typed at the end pushes out the first).
QString CleanDigits(const QString &text, int maxDigits, const QString &emptyDefault);
