// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeplatform.h"

#include <QPrinter>

Platform::Button FakePlatform::messageBox(QWidget *, MessageKind kind, const QString &text)
{
    messages.append({kind, text});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return kind == MessageKind::Confirmation ? Button::Yes : Button::Ok;
}

int FakePlatform::runModal(QDialog *dialog)
{
    return modal ? modal(dialog) : 0;
}

QString FakePlatform::saveFileName(QWidget *, const QString &caption, const QString &suggested,
                                   const QStringList &filters, QString *chosenFilter)
{
    saveRequests.append({caption, suggested, filters});
    if (insideDialog)
        insideDialog();
    if (chosenFilter)
        *chosenFilter = saveFilter.isEmpty() ? filters.value(0) : saveFilter;
    return savePath;
}

bool FakePlatform::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    if (insideDialog)
        insideDialog();
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    return true;
}
