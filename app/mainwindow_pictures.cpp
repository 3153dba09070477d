// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the page shown: saved to a file (the Stats page's table as text
// too), copied to the clipboard, printed. All three take the same picture.
#include "app/mainwindow.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/pagepicture.h"
#include "app/platform.h"
#include "views/datepicker.h"
#include "views/statstable.h"
#include "views/wholefile.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTabWidget>

namespace {

const QString PngFilter = QStringLiteral("PNG image (*.png)");
const QString TextFilter = QStringLiteral("Text, tab-separated (*.txt)");

QString PicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace

// Keeps the planets still while a dialog is open, since a tick under its event
// loop would move them behind it; they set off again afterwards if they were
// moving.
class TForm1::MovementPause {
public:
    explicit MovementPause(TForm1 &form) : m_form(form), m_wasMoving(form.stopMovement()) {}
    ~MovementPause()
    {
        if (m_wasMoving && !m_form.ClosingDown && !m_form.Timer1->enabled())
            m_form.options().Button1Click();
    }
    MovementPause(const MovementPause &) = delete;
    MovementPause &operator=(const MovementPause &) = delete;

private:
    TForm1 &m_form;
    bool m_wasMoving;
};

QImage TForm1::pagePicture()
{
    // At the screen's own resolution: on a 2x screen the picture has twice
    // the pixels each way, as the screen shows it.
    const qreal ratio = devicePixelRatio();
    const int index = TabbedNotebook1->currentIndex();
    if (index == StatsPage)
        return WidgetPicture(*Panel1->parentWidget(), ratio);
    return ViewPicture(m_pages.at(static_cast<std::size_t>(index - AllPage)), ratio);
}

QString TForm1::pictureName() const
{
    // The user's short date format may hold slashes, which a file name cannot.
    return QStringLiteral("Heliodial %1 %2")
        .arg(TabbedNotebook1->tabText(TabbedNotebook1->currentIndex()),
             options().DateTimePicker1->day().toString(Qt::ISODate));
}

bool TForm1::writeFile(const QString &path, const QByteArray &bytes, const QString &what)
{
    QString reason;
    if (WriteWholeFile(path, bytes, &reason))
        return true;
    m_platform.messageBox(this, Platform::MessageKind::Error,
                          QStringLiteral("Cannot save the %1 to \"%2\": %3.")
                              .arg(what, QDir::toNativeSeparators(path), reason));
    return false;
}

void TForm1::Savepicture1Click()
{
    const MovementPause pause(*this);
    const bool stats = TabbedNotebook1->currentIndex() == StatsPage;
    const QImage picture = pagePicture();
    const QString folder = m_pictureFolder.isEmpty() ? PicturesFolder() : m_pictureFolder;
    QStringList filters{PngFilter};
    if (stats)
        filters << TextFilter;
    QString filter;
    const QString path = m_platform.saveFileName(
        this, QStringLiteral("Save picture"),
        QDir(folder).filePath(pictureName() + QStringLiteral(".png")), filters, &filter);
    if (path.isEmpty())
        return;

    // The name's own suffix decides; a name without one, the kind chosen.
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool asText = stats && (suffix == QLatin1String("txt") ||
                                  (suffix != QLatin1String("png") && filter == TextFilter));
    bool saved = false;
    if (asText) {
        saved = writeFile(path, m_stats->text().toUtf8(), QStringLiteral("table"));
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        if (buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"))
            saved = writeFile(path, png, QStringLiteral("picture"));
        else
            m_platform.messageBox(
                this, Platform::MessageKind::Error,
                QStringLiteral("Cannot save the picture to \"%1\": it could not be made into a "
                               "PNG image.")
                    .arg(QDir::toNativeSeparators(path)));
    }
    if (saved)
        m_pictureFolder = QFileInfo(path).absolutePath();
}

void TForm1::Copypicture1Click()
{
    auto *data = new QMimeData;
    data->setImageData(pagePicture());
    if (TabbedNotebook1->currentIndex() == StatsPage)
        data->setText(m_stats->text());
    QGuiApplication::clipboard()->setMimeData(data);
}

void TForm1::Copypicture2Click()
{
    Copypicture1Click();
}

void TForm1::Print1Click()
{
    const MovementPause pause(*this);
    const QImage picture = pagePicture();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(pictureName());
    // The pages are wider than high.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!m_platform.choosePrinter(this, printer))
        return;

    const QString where = QDir::toNativeSeparators(
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName());
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_platform.messageBox(
            this, Platform::MessageKind::Error,
            QStringLiteral("Cannot print the picture to \"%1\": it could not be opened.")
                .arg(where));
        return;
    }
    // The painter's viewport is the page's printable area.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(FittedRect(picture.size(), painter.viewport()), picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        m_platform.messageBox(
            this, Platform::MessageKind::Error,
            QStringLiteral("Cannot print the picture to \"%1\": printing failed.").arg(where));
}
