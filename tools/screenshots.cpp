// Renders every page of the main window and the control panel to PNG files,
// offscreen, for the README: heliodial_screenshots <folder>
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "app/platform.h"
#include "views/datepicker.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>
#include <functional>

namespace {

// The real services, but a fixed date and star field so the pictures only
// change when the program does.
class ScreenshotPlatform : public QtPlatform {
public:
    QDate today() override { return {2026, 12, 7}; }
    std::uint32_t starSeed() override { return 20021; }
    int runModal(QDialog *) override { return 0; }
};

bool Save(QWidget *widget, const QDir &folder, const QString &name)
{
    widget->show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << "\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: heliodial_screenshots <folder>\n";
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << "\n";
        return 1;
    }

    ScreenshotPlatform platform;
    Heliodial heliodial(platform);
    heliodial.show();
    TForm1 &form = *heliodial.Form1();

    const QStringList pages = {QStringLiteral("stats"),         QStringLiteral("all-planets"),
                               QStringLiteral("inner-planets"), QStringLiteral("earth-to-saturn"),
                               QStringLiteral("outer-realm"),   QStringLiteral("moon")};
    bool ok = true;
    for (int page = TForm1::MoonPage; page >= TForm1::StatsPage; --page) {
        form.TabbedNotebook1->setCurrentIndex(page);
        ok = Save(&form, folder, pages[page]) && ok;
    }
    form.TabbedNotebook1->setCurrentIndex(TForm1::MoonPage);
    ok = Save(heliodial.Options(), folder, QStringLiteral("control-panel")) && ok;
    return ok ? 0 : 1;
}
