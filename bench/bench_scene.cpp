// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's hot paths: one animation tick with every overlay on, and
// the scene rebuild of the hemisphere switch with the orbits shown; at the
// window's smallest size, and full screen on a 3840 x 2160 screen.
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "app/platform.h"
#include "app/startup.h"
#include "views/viewpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// Real Qt services, but no box ever waits for an answer.
class BenchPlatform : public QtPlatform {
public:
    int runModal(QDialog *) override { return 0; }
    Button messageBox(QWidget *, MessageKind, const QString &) override { return Button::Ok; }
    void endApplication(int) override {}
    QString settingsFolder() override { return QStringLiteral("/nonexistent"); }
    // The classic model unless a benchmark chooses otherwise.
    QString preference(const QString &) override { return {}; }
    void setPreference(const QString &, const QString &) override {}
};

enum class WindowSize { Smallest, FullScreen };

// The program shown offscreen on the All Planets page, with the horizon, the
// pointer and the terminator on.
struct ShownProgram {
    BenchPlatform platform;
    Heliodial app{platform};
    TForm1 &form = *app.Form1();
    explicit ShownProgram(bool truePositions = false, WindowSize size = WindowSize::Smallest)
    {
        if (size == WindowSize::FullScreen)
            form.setWindowState(Qt::WindowFullScreen);
        app.show();
        if (truePositions)
            form.Truepositions1->trigger();
        form.Showhorizon1->trigger();
        form.Showdirection1->trigger();
        form.Showterminator1->trigger();
        form.TabbedNotebook1->setCurrentIndex(TForm1::AllPage);
        QApplication::processEvents();
    }
};

// Peak memory, taken first so that nothing else has raised it: every view
// shown once with every overlay on, at the smallest size, then full screen
// on the 4K screen (the process's peak, so the second includes the first).
void PeakMemory(benchmark::State &state)
{
    const bool fullScreen = state.range(0) == 1;
    for (auto _ : state) {
        ShownProgram program(false, fullScreen ? WindowSize::FullScreen : WindowSize::Smallest);
        for (int page = TForm1::AllPage; page <= TForm1::MoonPage; ++page) {
            program.form.TabbedNotebook1->setCurrentIndex(page);
            program.form.Timer1Timer();
            program.form.TabbedNotebook1->currentWidget()->repaint();
        }
        state.counters["width"] = program.form.width();
        state.counters["height"] = program.form.height();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(PeakMemory)
    ->ArgName("full_screen_4k")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void AnimationTick(benchmark::State &state)
{
    ShownProgram program;
    TForm1 &form = program.form;
    for (auto _ : state) {
        form.Timer1Timer();
        // What the tick changed, painted synchronously.
        form.TabbedNotebook1->currentWidget()->repaint();
    }
}
BENCHMARK(AnimationTick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// The same on the true sky.
void AnimationTickTruePositions(benchmark::State &state)
{
    ShownProgram program(true);
    TForm1 &form = program.form;
    for (auto _ : state) {
        form.Timer1Timer();
        form.TabbedNotebook1->currentWidget()->repaint();
    }
}
BENCHMARK(AnimationTickTruePositions)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The same, full screen on the 4K screen. A repaint() of the page paints
// what the tick changed and the page's own black around the view, not the
// view's inside: that is WholeViewRepainted.
void AnimationTickFullScreen4K(benchmark::State &state)
{
    ShownProgram program(state.range(0) == 1, WindowSize::FullScreen);
    TForm1 &form = program.form;
    for (auto _ : state) {
        form.Timer1Timer();
        form.TabbedNotebook1->currentWidget()->repaint();
    }
    state.counters["scale"] = form.AllPanel->scale();
}
BENCHMARK(AnimationTickFullScreen4K)
    ->ArgName("true_sky")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// A tick as the running program has it: the clock's step, then the paint
// the event loop makes of what the step changed; at both sizes, both skies.
void AnimationTickAsShown(benchmark::State &state)
{
    const bool fullScreen = state.range(1) == 1;
    ShownProgram program(state.range(0) == 1,
                         fullScreen ? WindowSize::FullScreen : WindowSize::Smallest);
    TForm1 &form = program.form;
    QApplication::processEvents();
    for (auto _ : state) {
        form.Timer1Timer();
        QCoreApplication::sendPostedEvents(&form, QEvent::UpdateRequest);
    }
    state.counters["width"] = form.width();
}
BENCHMARK(AnimationTickAsShown)
    ->ArgNames({"true_sky", "full_screen_4k"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The view painted whole, as when it is uncovered: the panel, its layers,
// pictures and labels; at the smallest size and full screen.
void WholeViewRepainted(benchmark::State &state)
{
    ShownProgram program(false,
                         state.range(0) == 1 ? WindowSize::FullScreen : WindowSize::Smallest);
    TForm1 &form = program.form;
    form.Showorbits1->trigger();
    QApplication::processEvents();
    for (auto _ : state)
        form.AllPanel->repaint();
    state.counters["width"] = form.AllPanel->width();
}
BENCHMARK(WholeViewRepainted)
    ->ArgName("full_screen_4k")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// From the smallest window to full screen, until the page is painted whole.
void ResizeToFullScreen4K(benchmark::State &state)
{
    ShownProgram program;
    TForm1 &form = program.form;
    for (auto _ : state) {
        state.PauseTiming();
        form.setWindowState(Qt::WindowNoState);
        QApplication::processEvents();
        if (form.width() != form.minimumWidth())
            state.SkipWithError("the window did not come back to its smallest size");
        state.ResumeTiming();
        form.setWindowState(Qt::WindowFullScreen);
        QApplication::processEvents();
        form.repaint();
    }
    state.counters["width"] = form.width();
}
BENCHMARK(ResizeToFullScreen4K)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The two halves of a tick, to see where its time goes.
void TickWithoutPainting(benchmark::State &state)
{
    ShownProgram program;
    for (auto _ : state)
        program.form.Timer1Timer();
}
BENCHMARK(TickWithoutPainting)->Unit(benchmark::kMicrosecond);

void PaintingOnly(benchmark::State &state)
{
    ShownProgram program;
    for (auto _ : state)
        program.form.TabbedNotebook1->currentWidget()->repaint();
}
BENCHMARK(PaintingOnly)->Unit(benchmark::kMicrosecond);

void SceneRebuild(benchmark::State &state)
{
    BenchPlatform platform;
    Heliodial app(platform);
    app.show();
    TForm1 &form = *app.Form1();
    form.Showorbits1->trigger();
    QApplication::processEvents();
    for (auto _ : state)
        app.Options()->RadioGroup1Click();
}
BENCHMARK(SceneRebuild)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void SceneRebuildFullScreen4K(benchmark::State &state)
{
    BenchPlatform platform;
    Heliodial app(platform);
    app.Form1()->setWindowState(Qt::WindowFullScreen);
    app.show();
    TForm1 &form = *app.Form1();
    form.Showorbits1->trigger();
    QApplication::processEvents();
    for (auto _ : state) {
        app.Options()->RadioGroup1Click();
        // What the user waits for: the page drawn again.
        form.TabbedNotebook1->currentWidget()->repaint();
    }
    state.counters["width"] = form.width();
}
BENCHMARK(SceneRebuildFullScreen4K)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The program animating at the default speed for 10 seconds: the share of one
// core it uses.
void IdleAnimation(benchmark::State &state)
{
    BenchPlatform platform;
    Heliodial app(platform);
    app.show();
    QApplication::processEvents();
    for (auto _ : state) {
        app.Options()->Button1Click();
        const double cpu = CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["cpu_percent"] = 100 * (CpuSeconds() - cpu) / (wall.elapsed() / 1000.0);
        app.Options()->Button1Click();
    }
}
BENCHMARK(IdleAnimation)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    // One offscreen screen of 3840 x 2160 at ratio 1; the window's smallest
    // size fits on it as on any other.
    QTemporaryFile screen;
    if (!screen.open())
        return 1;
    screen.write(R"({"screens": [{"name": "4K", "x": 0, "y": 0, "width": 3840, "height": 2160,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screen.flush();
    // As the program itself does before anything else.
    startup::ReleaseLargeBlocksPromptly();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
