// The main window's hot paths: one animation tick with every overlay on, and
// the scene rebuild of the hemisphere switch with the orbits shown.
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "app/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
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

// The program shown offscreen on the All Planets page, with the horizon, the
// pointer and the terminator on.
struct ShownProgram {
    BenchPlatform platform;
    Heliodial app{platform};
    TForm1 &form = *app.Form1();
    explicit ShownProgram(bool truePositions = false)
    {
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

void AnimationTick(benchmark::State &state)
{
    ShownProgram program;
    TForm1 &form = program.form;
    for (auto _ : state) {
        form.Timer1Timer();
        form.TabbedNotebook1->currentWidget()->repaint(); // the visible page, synchronously
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
