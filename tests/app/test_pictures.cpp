// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures a user can keep (saved, copied, printed) and the standard keys,
// driven as a user drives them: keys and clicks go through the windows.
#include "app/animationclock.h"
#include "app/pagepicture.h"
#include "app/settings.h"
#include "support/apptest.h"
#include "support/limitedfilesize.h"
#include "support/userinput.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/viewpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QImage Pixels(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Items of one menu whose Alt letters repeat an earlier item's, as
// "earlier / later"; then the same for its submenus. Every item goes into
// `items`.
QStringList RepeatedMnemonics(const QList<QAction *> &menu, QList<QAction *> &items)
{
    QMap<QKeySequence, QString> seen;
    QStringList repeated;
    for (QAction *item : menu) {
        if (item->isSeparator())
            continue;
        items << item;
        const QKeySequence letter = QKeySequence::mnemonic(item->text());
        if (!letter.isEmpty() && seen.contains(letter))
            repeated << seen[letter] + QStringLiteral(" / ") + item->text();
        seen[letter] = item->text();
        if (item->menu())
            repeated << RepeatedMnemonics(item->menu()->actions(), items);
    }
    return repeated;
}

} // namespace

class TestPictures : public AppTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> files;

    QString file(const QString &name) const { return QDir(files->path()).filePath(name); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        user::Key(&form(), key, modifiers);
    }

    QWidget *statsPage() { return form().Panel1->parentWidget(); }

private slots:
    void init()
    {
        startApp();
        files = std::make_unique<QTemporaryDir>();
        QVERIFY(files->isValid());
    }
    void cleanup()
    {
        stopApp();
        files.reset();
        QGuiApplication::clipboard()->clear();
    }

    void picturesAtOtherResolutionsAndOnPaper()
    {
        // Whole device pixels, rounded up; drawn in logical pixels.
        const QImage picture = PagePicture(
            {3, 3}, 1.5, [](QPainter &painter) { painter.fillRect(QRect(0, 0, 2, 2), Qt::red); });
        QCOMPARE(picture.size(), QSize(5, 5));
        QCOMPARE(picture.devicePixelRatio(), 1.5);
        QCOMPARE(picture.pixel(2, 2), qRgb(255, 0, 0));
        QCOMPARE(picture.pixel(3, 3), qRgb(0, 0, 0));
        QCOMPARE(PagePicture({741, 484}, 2, [](QPainter &) {}).size(), QSize(1482, 968));

        // On a page: as large as fits, keeping the shape, in the middle.
        QCOMPARE(FittedRect({741, 484}, QRect(100, 50, 1482, 2000)), QRect(100, 566, 1482, 968));
        QCOMPARE(FittedRect({200, 100}, QRect(0, 0, 100, 100)), QRect(0, 25, 100, 50));
        QCOMPARE(FittedRect({100, 200}, QRect(10, 10, 100, 100)), QRect(35, 10, 50, 100));
        QCOMPARE(FittedRect({0, 0}, QRect(0, 0, 100, 100)), QRect());
    }

    // --- Saving ---

    void saveWritesTheViewAsShown()
    {
        showProgram();
        form().Showhorizon1->trigger();
        form().Showorbits1->trigger();
        clickTab(TForm1::InnerPage);
        platform->savePath = file(QStringLiteral("inner.png"));
        press(Qt::Key_S);

        QCOMPARE(platform->saveRequests.size(), 1);
        const FakePlatform::SaveRequest &asked = platform->saveRequests.constFirst();
        QCOMPARE(asked.caption, QStringLiteral("Save picture"));
        QCOMPARE(asked.filters, QStringList({"PNG image (*.png)"}));
        // In the user's Pictures folder, named after the page and the status
        // date, which the user's format (12/7/2026) would fill with slashes.
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        const QString folder = QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
        QCOMPARE(asked.suggested,
                 QDir(folder).filePath(QStringLiteral("Heliodial Inner Planets 2026-12-07.png")));

        const QImage saved(platform->savePath, "PNG");
        QCOMPARE(saved.size(), QSize(741, 484));
        QCOMPARE(Pixels(saved), Pixels(form().InnerPanel->grab().toImage()));
        // The overlays are in it: the horizon's red rays.
        bool red = false;
        for (int y = 0; y < saved.height() && !red; ++y)
            for (int x = 0; x < saved.width() && !red; ++x)
                red = saved.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(red);
        QVERIFY(platform->messages.isEmpty());

        // The next picture is offered where the last one went.
        clickTab(TForm1::MoonPage);
        platform->savePath.clear(); // cancelled
        press(Qt::Key_S);
        QCOMPARE(platform->saveRequests.size(), 2);
        QCOMPARE(platform->saveRequests.last().suggested,
                 file(QStringLiteral("Heliodial The Moon 2026-12-07.png")));
        QCOMPARE(QDir(files->path()).entryList(QDir::Files), QStringList({"inner.png"}));
    }

    void saveReplacesAnExistingFileWhole()
    {
        showProgram();
        const QString path = file(QStringLiteral("old.png"));
        QVERIFY(Write(path, QByteArray(100000, 'x')));
        platform->savePath = path;
        press(Qt::Key_S);
        QCOMPARE(Pixels(QImage(path, "PNG")), Pixels(form().AllPanel->grab().toImage()));
        QCOMPARE(QDir(files->path()).entryList(QDir::Files), QStringList({"old.png"}));
    }

    void failedSaveSaysWhyAndLosesNothing()
    {
        showProgram();
        // A folder the user may not write in, holding one of the user's files.
        const QString folder = file(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        const QString kept = QDir(folder).filePath(QStringLiteral("kept.png"));
        QVERIFY(Write(kept, "the user's own picture"));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadGroup | QFile::ExeGroup |
                                                  QFile::ReadOther | QFile::ExeOther));
        struct Unlock {
            QString folder;
            ~Unlock()
            {
                QFile::setPermissions(folder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
        } unlock{folder};
        if (Write(QDir(folder).filePath(QStringLiteral("probe")), "x"))
            QSKIP("this user writes into read-only folders (root)");

        platform->savePath = kept;
        press(Qt::Key_S);
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Platform::MessageKind::Error);
        const QString message = platform->messages[0].text;
        QVERIFY2(message.startsWith(QStringLiteral("Cannot save the picture to \"%1\": ")
                                        .arg(QDir::toNativeSeparators(kept))),
                 qPrintable(message));
        QVERIFY2(message.size() > kept.size() + 30, qPrintable(message)); // with a reason
        QCOMPARE(Contents(kept), QByteArray("the user's own picture"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"kept.png"}));
        // Nor is the folder offered again as where pictures go.
        press(Qt::Key_S);
        QVERIFY(!platform->saveRequests.last().suggested.startsWith(folder));
    }

    // A disk that fills up while a file is written: the message says so,
    // and the file that was there keeps its bytes, for the large picture
    // and the small table alike. (Root too.)
    void saveOntoAFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("table");
        QTest::newRow("picture") << false;
        QTest::newRow("table as text") << true;
    }

    void saveOntoAFullDiskKeepsTheOldFile()
    {
        QFETCH(bool, table);
        showProgram();
        const QString kept = file(table ? QStringLiteral("kept.txt") : QStringLiteral("kept.png"));
        QVERIFY(Write(kept, "the user's own picture"));
        if (table)
            clickTab(TForm1::StatsPage);
        platform->savePath = kept;
        {
            const LimitedFileSize full(100);
            press(Qt::Key_S);
        }
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Platform::MessageKind::Error);
        QVERIFY2(platform->messages[0].text.contains(QStringLiteral("the disk may be full")),
                 qPrintable(platform->messages[0].text));
        QCOMPARE(Contents(kept), QByteArray("the user's own picture"));
        QCOMPARE(QDir(QFileInfo(kept).path())
                     .entryList({QStringLiteral("kept*")}, QDir::Files | QDir::Hidden),
                 QStringList({QFileInfo(kept).fileName()}));
    }

    void saveIntoAFolderThatIsAFileSaysWhy()
    {
        // Fails for every user, root too.
        showProgram();
        const QString notAFolder = file(QStringLiteral("plain"));
        QVERIFY(Write(notAFolder, "text"));
        platform->savePath = notAFolder + QStringLiteral("/picture.png");
        press(Qt::Key_S);
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY2(platform->messages[0].text.contains(QDir::toNativeSeparators(platform->savePath)),
                 qPrintable(platform->messages[0].text));
        QCOMPARE(Contents(notAFolder), QByteArray("text"));
    }

    void statsPageSavesTheTableAsTextOrAPicture()
    {
        struct SystemLocaleAfter {
            ~SystemLocaleAfter() { QLocale::setDefault(QLocale::system()); }
        } restore;
        // The user's number format: decimal commas.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        stopApp();
        startApp();
        showProgram();
        clickTab(TForm1::StatsPage);

        platform->savePath = file(QStringLiteral("table.txt"));
        press(Qt::Key_S);
        QCOMPARE(platform->saveRequests.last().filters,
                 QStringList({"PNG image (*.png)", "Text, tab-separated (*.txt)"}));
        QCOMPARE(QFileInfo(platform->saveRequests.last().suggested).fileName(),
                 QStringLiteral("Heliodial Stats 2026-12-07.png"));
        const QString text = QString::fromUtf8(Contents(platform->savePath));
        QTableWidget *grid = form().StringGrid1;
        QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.takeLast(), QString()); // the last line ends too
        QCOMPARE(lines.size(), grid->rowCount());
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QStringList cells = lines[row].split(QLatin1Char('\t'));
            QCOMPARE(cells.size(), grid->columnCount());
            for (int column = 0; column < grid->columnCount(); ++column)
                QCOMPARE(cells[column], grid->item(row, column)->text());
        }
        QVERIFY(lines[0].startsWith(QStringLiteral("\tMercury\tVenus\tEarth")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\t\\d+,\\d+"))));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))));

        // A name without a suffix is saved as the kind chosen in the dialog.
        platform->savePath = file(QStringLiteral("figures"));
        platform->saveFilter = QStringLiteral("Text, tab-separated (*.txt)");
        press(Qt::Key_S);
        QCOMPARE(QString::fromUtf8(Contents(platform->savePath)), text);

        // The picture of the page, as shown.
        platform->savePath = file(QStringLiteral("table.png"));
        press(Qt::Key_S);
        QCOMPARE(Pixels(QImage(platform->savePath, "PNG")), Pixels(statsPage()->grab().toImage()));
        QVERIFY(platform->messages.isEmpty());
    }

    void theRealFileDialogFollowsTheKindChosen()
    {
        // Qt's dialog, answered by keys: choosing "Text" turns the suggested
        // name's suffix with it, and gives a name typed without one ".txt".
        QtPlatform real;
        const QString suggested = file(QStringLiteral("Heliodial Stats 2026-12-07.png"));
        QStringList seen;
        bool onTop = false;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            onTop = dialog->windowFlags() & Qt::WindowStaysOnTopHint;
            modal = dialog->windowModality() == Qt::ApplicationModal;
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            auto *kinds = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            if (!name || !kinds) {
                dialog->reject();
                return;
            }
            seen << name->text();
            QTest::keyClick(kinds, Qt::Key_Down);
            seen << name->text();
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("figures"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QString filter;
        const QString chosen = real.saveFileName(
            nullptr, QStringLiteral("Save picture"), suggested,
            {QStringLiteral("PNG image (*.png)"), QStringLiteral("Text, tab-separated (*.txt)")},
            &filter);
        QVERIFY(onTop);
        QVERIFY(modal);
        QCOMPARE(seen,
                 QStringList({"Heliodial Stats 2026-12-07.png", "Heliodial Stats 2026-12-07.txt"}));
        QCOMPARE(chosen, file(QStringLiteral("figures.txt")));
        QCOMPARE(filter, QStringLiteral("Text, tab-separated (*.txt)"));
    }

    // --- Copying ---

    void copyPutsTheViewOnTheClipboard()
    {
        showProgram();
        clickTab(TForm1::FarPage);
        QSignalSpy fromMenu(form().Copypicture1, &QAction::triggered);
        QSignalSpy fromPopup(form().Copypicture2, &QAction::triggered);
        press(Qt::Key_C);
        // The pop-up's item shows the same key without taking it.
        QCOMPARE(fromMenu.count(), 1);
        QCOMPARE(fromPopup.count(), 0);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(Pixels(copied), Pixels(form().FarPanel->grab().toImage()));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasText());

        // The views' pop-up menu copies the view it was opened on.
        QGuiApplication::clipboard()->clear();
        clickTab(TForm1::MoonPage);
        QWidget *view = form().imMoonBack;
        QTest::mousePress(user::WindowOf(view), Qt::RightButton, {},
                          user::InWindow(view, {200, 100}));
        QTest::mouseRelease(user::WindowOf(view), Qt::RightButton, {},
                            user::InWindow(view, {200, 100}));
        QTRY_VERIFY(form().PopupMenu1->isVisible());
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
        user::Click(form().PopupMenu1,
                    form().PopupMenu1->actionGeometry(form().Copypicture2).center());
        QTRY_COMPARE(fromPopup.count(), 1);
        QVERIFY(!form().PopupMenu1->isVisible());
        QCOMPARE(Pixels(QGuiApplication::clipboard()->image()),
                 Pixels(form().MoonPanel->grab().toImage()));
    }

    void copyOnTheStatsPageGivesTheTableAndItsPicture()
    {
        showProgram();
        clickTab(TForm1::StatsPage);
        press(Qt::Key_C);
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->hasText());
        QVERIFY(copied->hasImage());
        QCOMPARE(Pixels(qvariant_cast<QImage>(copied->imageData())),
                 Pixels(statsPage()->grab().toImage()));
        // The same text as a saved table.
        platform->savePath = file(QStringLiteral("table.txt"));
        press(Qt::Key_S);
        QCOMPARE(copied->text(), QString::fromUtf8(Contents(platform->savePath)));
        QCOMPARE(copied->text().count(QLatin1Char('\t')), 8 * 10);
    }

    // --- Printing ---

    void printGoesToAPdfFile()
    {
        showProgram();
        const QString pdf = file(QStringLiteral("view.pdf"));
        press(Qt::Key_P); // cancelled: nothing printed
        QCOMPARE(platform->printDialogs, 1);
        QVERIFY(!QFile::exists(pdf));

        platform->printToPdf = pdf;
        press(Qt::Key_P);
        QCOMPARE(platform->printDialogs, 2);
        const QByteArray printed = Contents(pdf);
        QVERIFY(printed.startsWith("%PDF"));
        QVERIFY(printed.contains("%%EOF"));
        QVERIFY(printed.contains("/Image"));
        // A landscape page, as the view is wider than high.
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                .match(QString::fromLatin1(printed));
        QVERIFY(box.hasMatch());
        QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
        QVERIFY(platform->messages.isEmpty());
    }

    void printThatCannotStartSaysWhere()
    {
        showProgram();
        platform->printToPdf = file(QStringLiteral("missing/view.pdf"));
        press(Qt::Key_P);
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY2(platform->messages[0].text.startsWith(
                     QStringLiteral("Cannot print the picture to \"%1\"")
                         .arg(QDir::toNativeSeparators(platform->printToPdf))),
                 qPrintable(platform->messages[0].text));
    }

    // --- The clock under a dialog ---

    void planetsStandStillWhileADialogIsOpen()
    {
        showProgram();
        user::Click(panel().Button1);
        QVERIFY(form().Timer1->enabled());
        QList<bool> ticking;
        QList<QDate> dates;
        platform->insideDialog = [&] {
            ticking << form().Timer1->enabled();
            const QDate before = panel().DateTimePicker1->day();
            // As long as the dialog would wait for the user: several ticks.
            QTest::qWait(350);
            dates << before << panel().DateTimePicker1->day();
        };
        press(Qt::Key_S);
        press(Qt::Key_P);
        QCOMPARE(ticking, QList<bool>({false, false}));
        QCOMPARE(dates[0], dates[1]);
        QCOMPARE(dates[2], dates[3]);
        // Moving again afterwards, with every face saying so.
        QVERIFY(form().Timer1->enabled());
        QCOMPARE(panel().Button1->text(), QStringLiteral("Stop"));
        QVERIFY(form().isMenuItemChecked(form().Moveplanets1));

        // Planets standing still stay still.
        user::Click(panel().Button1);
        QVERIFY(user::Activate(&form()));
        press(Qt::Key_S);
        QVERIFY(!form().Timer1->enabled());
        QCOMPARE(panel().Button1->text(), QStringLiteral("Move by 1 day"));
    }

    // --- Keys ---

    void helpKeyOpensTheContents()
    {
        showProgram();
        press(Qt::Key_F1, {});
        QCOMPARE(platform->helpContentsShown, 1);
    }

    void quitKeyEndsAsExitDoes()
    {
        // The same state twice: ended once with the key, once from the menu.
        QByteArray written[2];
        for (int way = 0; way < 2; ++way) {
            stopApp();
            startApp();
            showProgram();
            form().North1->trigger();
            form().Latitude = 52;
            QVERIFY(user::Activate(&form()));
            if (way == 0) {
                press(Qt::Key_Q);
            } else {
                press(Qt::Key_F, Qt::AltModifier);
                QTRY_VERIFY(form().File1->isVisible());
                user::Key(form().File1, Qt::Key_X, {});
            }
            QVERIFY2(platform->endRequests == QList<int>({0}), way == 0 ? "key" : "menu");
            QVERIFY(form().ClosingDown);
            written[way] = Contents(QDir(platform->folder).filePath(SettingsFileName));
        }
        QCOMPARE(written[0].size(), 8);
        QCOMPARE(written[0], written[1]);
    }

    void keysWorkFromTheControlPanel()
    {
        showProgram();
        QVERIFY(user::Activate(&panel()));
        user::Key(&panel(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(platform->saveRequests.size(), 1);
        user::Key(&panel(), Qt::Key_F1);
        QCOMPARE(platform->helpContentsShown, 1);
    }

    void menusHaveNoRepeatedLettersOrKeys()
    {
        QList<QAction *> items;
        const QList<QAction *> tops = form().menuBar()->actions();
        QCOMPARE(RepeatedMnemonics(tops, items), QStringList());
        QList<QAction *> popup;
        QCOMPARE(RepeatedMnemonics(form().PopupMenu1->actions(), popup), QStringList());

        // No two commands share a key, and none takes a menu's Alt key.
        QMap<QKeySequence, QString> owner;
        for (const QAction *top : tops)
            owner[QKeySequence::mnemonic(top->text())] = top->text();
        int keys = 0;
        for (const QAction *item : items) {
            for (const QKeySequence &key : item->shortcuts()) {
                QVERIFY2(!owner.contains(key),
                         qPrintable(key.toString() + QStringLiteral(": ") + owner.value(key) +
                                    QStringLiteral(" / ") + item->text()));
                owner[key] = item->text();
                ++keys;
            }
        }
        QVERIFY(keys >= 5);
        QCOMPARE(form().Copypicture2->shortcuts(), form().Copypicture1->shortcuts());
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
