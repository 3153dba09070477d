// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of arrow clicks and typed hours in the night-time hour field,
// run through the real control panel and checked against a small model of
// the hour machine's eight cases.
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "support/fakeplatform.h"
#include "views/datepicker.h"
#include "views/updown.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The machine's rules, written out once more: the new label and the date's
// move for hour h after the previous hour.
struct Model {
    int hour;
    int previous;
    QString label;
    int days = 0;

    void run(int position)
    {
        if (position == 13)
            position = 1;
        if (position == 0)
            position = 12;
        const int h = position;
        if (h < previous && h == 1 && label == "noon")
            label = "pm";
        else if (h < previous && h == 1 && label == "mdnt")
            label = "am", ++days;
        else if (h < previous && h == 11 && label == "noon")
            label = "am";
        else if (h < previous && h == 11 && label == "mdnt")
            label = "pm";
        else if (h > previous && h == 12 && previous == 11)
            label = label == "am" ? "noon" : "mdnt";
        else if (h > previous && h == 12 && label == "am")
            label = "mdnt", --days;
        else if (h > previous && h == 12)
            label = "noon";
        previous = h;
        hour = h;
    }
};

struct Program {
    QApplication application;
    FakePlatform platform;
    Heliodial heliodial;
    static int argc;
    Program() : application(argc, nullptr), heliodial(platform) {}
};
int Program::argc = 0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Program *program = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new Program;
    }();
    TOptions &panel = *program->heliodial.Options();
    Model model{panel.UpDownHours->position(), panel.PrevHour, panel.lblAmPm->text()};
    const QDate start = panel.DateTimePicker1->day();

    for (size_t i = 0; i < size && i < 200; ++i) {
        const uint8_t op = data[i];
        if (op < 100) {
            panel.UpDownHours->stepUp();
            model.run(std::min(model.hour + 1, 13));
        } else if (op < 200) {
            panel.UpDownHours->stepDown();
            model.run(std::max(model.hour - 1, 0));
        } else {
            const int typed = op % 16; // 0 to 15, beyond the arrows' range too
            panel.meHours->setText(QString::number(typed));
            model.run(std::clamp(typed, 0, 13));
        }
        const int position = panel.UpDownHours->position();
        Check(position >= 1 && position <= 12);
        Check(position == model.hour);
        Check(panel.PrevHour == model.previous);
        const QString label = panel.lblAmPm->text();
        Check(label == "am" || label == "pm" || label == "noon" || label == "mdnt");
        Check(label == model.label);
        Check(panel.DateTimePicker1->day() == start.addDays(model.days));
    }
    return 0;
}
