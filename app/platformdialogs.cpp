// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's file and print dialogs.
#include "app/platform.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// "png" of "PNG image (*.png)"; empty when the filter names no single suffix.
QString FilterSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The control panel stays on top of every other window; a dialog that waits
// for the user must not open beneath it.
void KeepAboveTheControlPanel(QDialog &dialog)
{
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

QString QtPlatform::saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QStringList &filters, QString *chosenFilter)
{
    // Qt's own dialog: the same on every desktop, and the program's modality
    // and key handling stay as they are.
    QFileDialog dialog(parent, caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    KeepAboveTheControlPanel(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    dialog.setDefaultSuffix(FilterSuffix(filters.value(0)));
    // A name typed without a suffix gets that of the kind chosen. (Qt's
    // dialog turns the suffix of a name in the box itself.)
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosenFilter)
        *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    KeepAboveTheControlPanel(dialog);
    // One page, always the whole picture.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}
