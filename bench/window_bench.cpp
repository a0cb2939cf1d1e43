// The real window, offscreen: a Calculate click from the click to the twelve
// fields written, and start-up (creating the main window to its first paint)
// against a bare main window with one label, a menu and a status bar.
// With "--resident main" or "--resident bare" it instead shows that window,
// lets it settle and prints the process's resident memory in KiB.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "ui/main/frm_main.h"

namespace {

std::unique_ptr<QMainWindow> bareWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QLabel("Tarvelle", window.get()));
    window->menuBar()->addMenu("&Help")->addAction("&About ");
    window->statusBar()->showMessage("Status");
    return window;
}

std::unique_ptr<QMainWindow> mainWindow() {
    auto window = std::make_unique<tarvelle::ui::frmMain>();
    window->setMessagePresenter([](const QString&) {});
    return window;
}

// Nanoseconds from creating a window to its first paint event.
template <typename Make>
double nanosecondsToFirstPaint(Make make) {
    struct PaintWatch : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    QElapsedTimer timer;
    timer.start();
    auto window = make();
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted) {
        QApplication::processEvents(QEventLoop::AllEvents);
    }
    const auto elapsed = static_cast<double>(timer.nsecsElapsed());
    window->removeEventFilter(&watch);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void CalculateClick(benchmark::State& state) {
    auto window = mainWindow();
    window->show();
    QApplication::processEvents();
    auto* calculate = window->findChild<QPushButton*>("Calculate");
    for (auto _ : state) {
        calculate->click();
    }
}
BENCHMARK(CalculateClick)->Repetitions(5)->ReportAggregatesOnly(true);

void StartupAgainstBareWindow(benchmark::State& state) {
    std::vector<double> main;
    std::vector<double> bare;
    for (auto _ : state) {
        main.push_back(nanosecondsToFirstPaint(mainWindow));
        bare.push_back(nanosecondsToFirstPaint(bareWindow));
    }
    state.counters["main_ms"] = median(main) / 1e6;
    state.counters["bare_ms"] = median(bare) / 1e6;
    state.counters["ratio"] = median(main) / median(bare);
}
BENCHMARK(StartupAgainstBareWindow)->Iterations(50)->Unit(benchmark::kMillisecond);

long residentKiB() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

int printResidentMemory(const char* which) {
    auto window = std::strcmp(which, "main") == 0 ? mainWindow() : bareWindow();
    window->show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    std::printf("%ld\n", residentKiB());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--resident") == 0) {
        return printResidentMemory(argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
