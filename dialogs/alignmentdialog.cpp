// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/alignmentdialog.h"

#include "app/heliodial.h"
#include "app/platform.h"
#include "model/alignment.h"
#include "model/catalogue.h"
#include "model/truealignment.h"
#include "views/cataloguetext.h"
#include "views/digitfield.h"
#include "views/shortdate.h"
#include "views/updown.h"
#include "views/wrappedlabel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <cmath>
#include <thread>

TFAlignment::TFAlignment(Heliodial &app) : QDialog(nullptr, Qt::Tool), m_app(app)
{
    setObjectName(QStringLiteral("FAlignment"));
    setWindowTitle(QStringLiteral("  Planet Alignment"));
    setFixedSize(131, 330);
    const QSize screen = app.platform().screenSize();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);

    Label1 = WrappedLabel(this, "Label1", QStringLiteral("Select any two or more planets"),
                          {18, 8, 73, 26});
    for (int k = 0; k < 8; ++k) {
        auto *box =
            new QCheckBox(BodyNameText(AlignmentPlanets[static_cast<std::size_t>(k)]), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        box->setGeometry(19, 43 + 24 * k, 97, 17);
        CheckBoxes[static_cast<std::size_t>(k)] = box;
    }
    Label2 = WrappedLabel(this, "Label2", QStringLiteral("Maximum angular separation"),
                          {16, 237, 49, 39});

    // Two digit places; a blank place reads as nothing.
    meDegrees = new QLineEdit(QStringLiteral("5 "), this);
    meDegrees->setObjectName(QStringLiteral("meDegrees"));
    meDegrees->setGeometry(76, 245, 25, 21);
    AcceptDigitsOnly(meDegrees, 2, DigitPlaces::MayBeBlank);
    UpDown1 = new UpDown(this, QStringLiteral("UpDown1"), meDegrees, 2, 10, 5);
    UpDown1->setGeometry(101, 245, 16, 21);
    // Typed degrees move the arrows too, held within their range.
    connect(meDegrees, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (const std::optional<int> typed = DegreesFromText(text))
            UpDown1->adoptPosition(*typed);
    });

    BitBtn1 = new QPushButton(QStringLiteral("Find next alignment"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(12, 293, 108, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &TFAlignment::BitBtn1Click);
}

void TFAlignment::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Shown by the program, not restored from minimised by the user.
    if (!event->spontaneous())
        FormShow();
}

void TFAlignment::FormShow()
{
    LastAlignmentDate.reset();
}

void TFAlignment::BitBtn1Click()
{
    Platform &platform = m_app.platform();
    alignment::Query query;
    int ticked = 0;
    for (std::size_t i = 0; i < CheckBoxes.size(); ++i) {
        query.ticked[i] = CheckBoxes[i]->isChecked();
        ticked += query.ticked[i];
    }
    if (ticked < 2) {
        if (platform.messageBox(this, Platform::MessageKind::Confirmation,
                                QStringLiteral("You must choose at least two planets\r\rDo you "
                                               "want to quit now?")) == Platform::Button::Yes)
            close();
        return;
    }

    const std::optional<int> degrees = DegreesFromText(meDegrees->text());
    if (!degrees) {
        platform.messageBox(this, Platform::MessageKind::Information,
                            QStringLiteral("Please enter the maximum angular separation in whole "
                                           "degrees."));
        meDegrees->setFocus();
        return;
    }
    query.maxSeparation = *degrees;

    query.hemisphereSign = m_app.hemisphereSign();
    query.startOffset = m_app.statusDayOffset();
    query.endOffset = alignment::EndOffset();
    if (LastAlignmentDate)
        query.lastAcceptedDay = EpochDate().daysTo(*LastAlignmentDate);

    alignment::Result result;
    std::optional<double> closest;
    if (m_app.truePositions()) {
        query.startJulianDay = m_app.statusJulianDay();
        result = searchTrueSky(query, closest);
        if (result.cancelled)
            return;
    } else {
        platform.setHourglass(true);
        result = alignment::FindNextAlignment(query);
        platform.setHourglass(false);
    }

    if (!result.found) {
        platform.messageBox(
            this, Platform::MessageKind::Information,
            QStringLiteral("No alignment of the selected planets has been found by 31/12/2500"));
        return;
    }
    // On the true sky, the day the planets come closest together near the
    // day the finder's rule names.
    const QDate best = closest
                           ? QDate::fromJulianDay(static_cast<qint64>(std::floor(*closest + 0.5)))
                           : EpochDate().addDays(alignment::CalendarDay(result.bestOffset));
    const QString question = QStringLiteral("The next alignment is on ") + ShortDateText(best) +
                             QStringLiteral("\r") + QStringLiteral("\r") +
                             QStringLiteral("Do you want to re-set the Calendar to that date?");
    if (platform.messageBox(this, Platform::MessageKind::Confirmation, question) !=
        Platform::Button::Yes) {
        close();
        return;
    }
    m_app.setStatusDate(best);
    if (m_app.pointerShown()) {
        m_app.btnPointerClick();
        m_app.btnPointerClick();
    }
    LastAlignmentDate = best;
}

alignment::Result TFAlignment::searchTrueSky(const alignment::Query &query,
                                             std::optional<double> &closest)
{
    constexpr int Steps = 1000;
    QProgressDialog progressDialog(QStringLiteral("Searching the true sky..."),
                                   QStringLiteral("Cancel"), 0, Steps, this);
    progressDialog.setObjectName(QStringLiteral("SearchProgress"));
    progressDialog.setWindowTitle(QStringLiteral("  Planet Alignment"));
    progressDialog.setWindowModality(Qt::ApplicationModal);
    progressDialog.setMinimumDuration(progressDelay);
    progressDialog.setAutoReset(false);
    progressDialog.setValue(0);

    alignment::SearchProgress progress;
    connect(&progressDialog, &QProgressDialog::canceled, this,
            [&progress] { progress.cancel = true; });
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        progressDialog.setValue(static_cast<int>(progress.fraction.load() * (Steps - 1)));
    });
    poll.start(50);

    alignment::Result result;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        result = alignment::FindNextTrueAlignment(query, &progress);
        if (result.found && !result.cancelled) {
            const double named = query.startJulianDay + (result.bestOffset - query.startOffset);
            closest = alignment::ClosestApproachNear(query.ticked, named);
        }
        finished = true;
        QMetaObject::invokeMethod(
            &poll, [] {}, Qt::QueuedConnection); // wakes the loop
    });
    // The windows go on painting and the clock on ticking. Until the progress
    // dialog shows (and blocks the other windows), the user's clicks and keys
    // wait for the answer, so that nothing starts a second search meanwhile.
    while (!finished) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                        (progressDialog.isVisible()
                                             ? QEventLoop::AllEvents
                                             : QEventLoop::ExcludeUserInputEvents));
    }
    worker.join();
    return result;
}
