#pragma once

#include <QString>

// What the views show beyond the bodies: the status date and the switches.
struct ViewSwitches {
    QString date; // as the title shows it
    bool north = false;
    bool truePositions = false;
    bool astrology = false;
    bool orbits = false;
    bool horizon = false;
    int latitude = 0;
    bool direction = false;
    QString directionTarget;
    bool phase = false;
    bool terminator = false;
};

// The accessible description of a view: its caption, the status date, the
// hemisphere, the model and zodiac, and every switch that is on.
QString DescribeView(const QString &caption, const ViewSwitches &switches);
