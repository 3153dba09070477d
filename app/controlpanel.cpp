// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controlpanel.h"

#include "views/cataloguetext.h"
#include "views/datepicker.h"
#include "views/digitfield.h"
#include "views/fieldexit.h"
#include "views/radiogroup.h"
#include "views/updown.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

QFrame *MakeBevel(QWidget *parent, const QString &name, QRect geometry)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(name);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(geometry);
    return bevel;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption,
                        QRect geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TOptions::TOptions(Heliodial &app)
    : QWidget(nullptr,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_app(app)
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral(" Control Panel"));
    const QFont small = font();

    // Bevels first, so that the controls they frame lie above them.
    Bevel1 = MakeBevel(this, QStringLiteral("Bevel1"), {0, 35, 129, 105});
    Bevel2 = MakeBevel(this, QStringLiteral("Bevel2"), {0, 174, 129, 105});
    Bevel3 = MakeBevel(this, QStringLiteral("Bevel3"), {0, 288, 129, 65});
    Bevel4 = MakeBevel(this, QStringLiteral("Bevel4"), {0, 360, 129, 73});

    RadioGroup1 = new RadioGroup(this, QStringLiteral("RadioGroup1"), QString(),
                                 {QStringLiteral("North"), QStringLiteral("South")}, 2, 1);
    RadioGroup1->setGeometry(0, 0, 130, 31);

    DateTimePicker1 = new DatePicker(this, QStringLiteral("DateTimePicker1"), StatusTimeOfDay);
    DateTimePicker1->setGeometry(15, 43, 98, 21);

    Button1 = MakeButton(this, QStringLiteral("Button1"), QStringLiteral("Move"), {16, 68, 96, 20});

    Label8 = new QLabel(QStringLiteral("Slow - Fast"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(27, 92, 77, 16);
    QFont bold = small;
    bold.setBold(true);
    bold.setPixelSize(13);
    Label8->setFont(bold);
    Label8->setStyleSheet(QStringLiteral("color: maroon;"));

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(8, 107, 106, 33);
    TrackBar1->setRange(10, 300);
    TrackBar1->setValue(270);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(25);

    btnOrbits = MakeButton(this, QStringLiteral("btnOrbits"), QStringLiteral("Show Orbits"),
                           {16, 148, 96, 20});

    Memo1 = new QLabel(QStringLiteral("Night\nTime"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 182, 33, 29);
    Memo1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    meHours = new QLineEdit(QStringLiteral("12"), this);
    meHours->setObjectName(QStringLiteral("meHours"));
    AcceptDigitsOnly(meHours, 2);
    meHours->setGeometry(38, 182, 41, 21);

    UpDownHours = new UpDown(this, QStringLiteral("UpDownHours"), meHours, 0, 13, 12);
    UpDownHours->setGeometry(79, 182, 15, 21);

    lblAmPm = new QLabel(QStringLiteral("am"), this);
    lblAmPm->setObjectName(QStringLiteral("lblAmPm"));
    lblAmPm->move(98, 187);
    lblAmPm->adjustSize();

    // No item chosen in the layout: the window's creation chooses "No".
    rgDaylightSaving =
        new RadioGroup(this, QStringLiteral("rgDaylightSaving"), QStringLiteral("Daylight saving?"),
                       {QStringLiteral("No"), QStringLiteral("Yes")}, 2, -1);
    rgDaylightSaving->setGeometry(8, 211, 113, 33);

    btnHorizon = MakeButton(this, QStringLiteral("btnHorizon"), QString(), {3, 248, 124, 24});

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(16, 295, 97, 21);
    ComboBox1->setMaxVisibleItems(9);
    {
        const QSignalBlocker quiet(ComboBox1);
        for (const Body target : PointerTargets)
            ComboBox1->addItem(BodyNameText(target));
    }

    btnPointer = MakeButton(this, QStringLiteral("btnPointer"), QStringLiteral("Show Direction"),
                            {16, 321, 97, 25});
    btnMoonTerminator = MakeButton(this, QStringLiteral("btnMoonTerminator"),
                                   QStringLiteral("Show Terminator"), {16, 368, 97, 25});
    btnMoonPhase = MakeButton(this, QStringLiteral("btnMoonPhase"), QStringLiteral("Show Phase"),
                              {16, 400, 97, 25});

    // Tab order as laid out.
    QWidget *order[] = {RadioGroup1,       DateTimePicker1,  Button1,    TrackBar1, meHours,
                        UpDownHours,       rgDaylightSaving, btnHorizon, ComboBox1, btnPointer,
                        btnMoonTerminator, btnMoonPhase,     btnOrbits};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    setPanelHeight(ShortHeight);
    FormCreate();
    connectHandlers();
}

void TOptions::FormCreate()
{
    lblAmPm->setText(QStringLiteral("mdnt"));
    lblAmPm->adjustSize();
    AmPmLeft = lblAmPm->x();
    PrevHour = 12;
}

template <typename Control, typename Signal>
void TOptions::wire(Control *control, Signal signal, void (TOptions::*handler)())
{
    connect(control, signal, this, handler);
    m_handlers.push_back({control, handler});
}

void TOptions::connectHandlers()
{
    wire(DateTimePicker1, &DatePicker::userChanged, &TOptions::DateTimePicker1Change);
    wire(Button1, &QPushButton::clicked, &TOptions::Button1Click);
    wire(RadioGroup1, &RadioGroup::clicked, &TOptions::RadioGroup1Click);
    wire(btnOrbits, &QPushButton::clicked, &TOptions::btnOrbitsClick);
    wire(btnHorizon, &QPushButton::clicked, &TOptions::btnHorizonClick);
    wire(UpDownHours, &UpDown::clicked, &TOptions::UpDownHoursClick);
    wire(meHours, &QLineEdit::textChanged, &TOptions::meHoursChange);
    OnFieldExit(meHours, [this] { meHoursExit(); });
    m_handlers.push_back({meHours, &TOptions::meHoursExit});
    wire(rgDaylightSaving, &RadioGroup::clicked, &TOptions::rgDaylightSavingClick);
    wire(ComboBox1, &QComboBox::activated, &TOptions::ComboBox1Change);
    wire(btnPointer, &QPushButton::clicked, &TOptions::btnPointerClick);
    wire(btnMoonPhase, &QPushButton::clicked, &TOptions::btnMoonPhaseClick);
    wire(btnMoonTerminator, &QPushButton::clicked, &TOptions::btnMoonTerminatorClick);
    // Connected after the range and position are set, so that the clock keeps
    // its 100 ms until the user first moves the bar.
    wire(TrackBar1, &QSlider::valueChanged, &TOptions::TrackBar1Change);
}

void TOptions::setPanelHeight(int clientHeight)
{
    setFixedSize(131, clientHeight);
}

void TOptions::closeEvent(QCloseEvent *event)
{
    // No close box, and Alt+F4 must not close it either.
    event->ignore();
}
