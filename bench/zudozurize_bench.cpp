// Passes per second of the run against its own arithmetic as a bare loop and against
// Boost.Odeint's runge_kutta4; row formatting; the real window end to end; start-up against a
// bare Qt window. Ends with a table of ratios measured in this one run.

#include "equations.h"
#include "form1.h"
#include "resultsmodel.h"
#include "run.h"

#include <benchmark/benchmark.h>
#include <boost/numeric/odeint.hpp>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

extern char** environ;

namespace {

constexpr std::int64_t kPasses = 1'000'000;
// n = 999999.2 gives exactly 1,000,000 passes.
constexpr double kFinalX = 49999.96;

class NullSink final : public solver::RunSink {
public:
    void PlotDot(double, double, solver::Colour) override {}
    void AddResultRow(const solver::ResultRow&) override {}
};

class FormattingSink final : public solver::RunSink {
public:
    void PlotDot(double, double, solver::Colour) override {}
    void AddResultRow(const solver::ResultRow& row) override {
        benchmark::DoNotOptimize(row.format(buffer_));
        benchmark::ClobberMemory();
    }

private:
    char buffer_[solver::ResultRow::kMaxChars];
};

void BM_SolverNullSink(benchmark::State& state) {
    const solver::FormValues form{static_cast<int>(state.range(0)), 0, 1, kFinalX};
    NullSink sink;
    for (auto _ : state) {
        const solver::RunOutcome outcome = solver::run(form, sink);
        if (outcome.rows != kPasses)
            state.SkipWithError("wrong number of passes");
    }
    state.SetItemsProcessed(state.iterations() * kPasses);
}

// The method's own cost: the same f and the same arithmetic, nothing handed anywhere.
void BM_BareLoop(benchmark::State& state) {
    const solver::FormValues form{static_cast<int>(state.range(0)), 0, 1, kFinalX};
    for (auto _ : state) {
        const double h = 0.05;
        const double n = (form.x2 - form.x1) / h;
        const double h2 = h / 2;
        double y = form.y1;
        for (std::int64_t i = 0; static_cast<double>(i) <= n; ++i) {
            const double x = form.x1 + static_cast<double>(i) * h;
            const double k1 = solver::f(form, x, y);
            const double k2 = solver::f(form, x + h2, y + k1 * h2);
            const double k3 = solver::f(form, x + h2, y + k2 * h2);
            const double k4 = solver::f(form, x + h, y + k3 * h);
            y = y + (h * ((k1 + k4) + 2 * (k2 + k3))) / 6;
        }
        benchmark::DoNotOptimize(y);
    }
    state.SetItemsProcessed(state.iterations() * kPasses);
}

// The bare loop with Boost.Odeint's grouping of the update (y + h/6 k1 + h/3 k2 + h/3 k3 +
// h/6 k4): not our result bit for bit, but it shows what the prescribed grouping, with its
// division by 6 on the path from one y to the next, costs.
void BM_BareLoopOdeintGrouping(benchmark::State& state) {
    const solver::FormValues form{static_cast<int>(state.range(0)), 0, 1, kFinalX};
    for (auto _ : state) {
        const double h = 0.05;
        const double n = (form.x2 - form.x1) / h;
        const double h2 = h / 2;
        const double h6 = h / 6;
        const double h3 = h / 3;
        double y = form.y1;
        for (std::int64_t i = 0; static_cast<double>(i) <= n; ++i) {
            const double x = form.x1 + static_cast<double>(i) * h;
            const double k1 = solver::f(form, x, y);
            const double k2 = solver::f(form, x + h2, y + k1 * h2);
            const double k3 = solver::f(form, x + h2, y + k2 * h2);
            const double k4 = solver::f(form, x + h, y + k3 * h);
            y = y + h6 * k1 + h3 * k2 + h3 * k3 + h6 * k4;
        }
        benchmark::DoNotOptimize(y);
    }
    state.SetItemsProcessed(state.iterations() * kPasses);
}

void BM_Odeint(benchmark::State& state) {
    namespace odeint = boost::numeric::odeint;
    const solver::FormValues form{static_cast<int>(state.range(0)), 0, 1, kFinalX};
    NullSink handOver;
    for (auto _ : state) {
        double y = form.y1;
        odeint::runge_kutta4<double> stepper;
        odeint::integrate_n_steps(
            stepper,
            [&form](const double& value, double& slope, double x) {
                slope = solver::f(form, x, value);
            },
            y, form.x1, 0.05, static_cast<std::size_t>(kPasses - 1),
            [&handOver](const double& value, double x) {
                handOver.AddResultRow(solver::ResultRow{x, value});
            });
        benchmark::DoNotOptimize(y);
    }
    state.SetItemsProcessed(state.iterations() * kPasses);
}

void BM_Rows(benchmark::State& state) {
    const solver::FormValues form{1, 0, 1, kFinalX};
    FormattingSink sink;
    for (auto _ : state)
        solver::run(form, sink);
    state.SetItemsProcessed(state.iterations() * kPasses);
}

void pressEnter(QLineEdit* box) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(box, &key);
    }
}

Form1& window() {
    static Form1* form = [] {
        auto* f = new Form1;
        f->setMessageHandler([](QWidget*, const QString& text) {
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        });
        f->show();
        QApplication::processEvents();
        f->List2->setCurrentRow(0);
        f->Command1->click();
        f->Text1->setText(QStringLiteral("0"));
        pressEnter(f->Text1);
        f->Text3->setText(QStringLiteral("1"));
        pressEnter(f->Text3);
        return f;
    }();
    return *form;
}

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    return -1;
}

void BM_EndToEnd(benchmark::State& state) {
    Form1& form = window();
    const std::int64_t passes = state.range(0);
    const QString finalX = QString::number(0.05 * static_cast<double>(passes) - 0.04, 'f', 2);
    double bytesPerRow = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.Command1->click();
        QApplication::processEvents();
        form.Text2->setText(finalX);
        std::ofstream("/proc/self/clear_refs") << "5"; // restart the peak-memory count
        const long before = statusKilobytes("VmRSS");
        state.ResumeTiming();

        pressEnter(form.Text2);
        QApplication::processEvents();

        state.PauseTiming();
        if (form.results()->rowCount() != passes)
            state.SkipWithError("wrong number of rows");
        // Only the first run grows the process; later ones reuse the memory Ready released.
        static std::map<std::int64_t, double> firstRun;
        if (!firstRun.count(passes))
            firstRun[passes] =
                (statusKilobytes("VmHWM") - before) * 1024.0 / static_cast<double>(passes);
        bytesPerRow = firstRun[passes];
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * passes);
    state.counters["peak_bytes_per_row"] = bytesPerRow;
}

std::string probePath;

void BM_StartUp(benchmark::State& state) {
    static const char* const kModes[] = {"bare", "text", "form"};
    const char* mode = kModes[state.range(0)];
    for (auto _ : state) {
        pid_t pid;
        char* args[] = {probePath.data(), const_cast<char*>(mode), nullptr};
        if (posix_spawn(&pid, probePath.c_str(), nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("probe failed");
    }
}

BENCHMARK(BM_SolverNullSink)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLoop)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLoopOdeintGrouping)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Odeint)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndToEnd)->Arg(401)->Arg(kPasses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUp)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(20);

// Keeps each result's time per iteration so the ratios can be printed at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    std::map<std::string, double> counters;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions the median stands for the benchmark; without, the one run does.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || !(median || run.run_type == Run::RT_Iteration))
                continue;
            const std::string name = run.run_name.str();
            if (!median && seconds.count(name))
                continue;
            seconds[name] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto& [counter, value] : run.counters)
                counters[name + "." + counter] = value.value;
        }
    }
};

void printRatios(const RecordingReporter& r) {
    const auto t = [&r](const std::string& name) {
        const auto it = r.seconds.find(name);
        return it == r.seconds.end() ? NAN : it->second;
    };
    const double formattingPerPass = t("BM_Rows") / kPasses;
    std::printf("\n%-58s %10s %8s\n", "ratio", "measured", "target");
    const auto row = [](const char* what, double value, const char* target) {
        std::printf("%-58s %10.3f %8s\n", what, value, target);
    };
    for (const char* eq : {"1", "6"}) {
        const std::string arg = std::string("/") + eq;
        row(("solver null sink / bare loop, equation " + std::string(eq)).c_str(),
            t("BM_SolverNullSink" + arg) / t("BM_BareLoop" + arg), "<= 1.25");
        row(("solver null sink / Boost.Odeint, equation " + std::string(eq)).c_str(),
            t("BM_SolverNullSink" + arg) / t("BM_Odeint" + arg), "<= 1");
    }
    std::printf("%-58s %10.1f %8s\n", "rows formatted per second (millions)",
                1e-6 / formattingPerPass, ">= 10");
    row("end to end 1,000,000 passes / solver with formatting sink",
        t("BM_EndToEnd/1000000") / t("BM_Rows"), "<= 3");
    std::printf("%-58s %10.3f %8s\n", "end to end 401 passes, milliseconds",
                t("BM_EndToEnd/401") * 1e3, "<< 16");
    const auto memory = r.counters.find("BM_EndToEnd/1000000.peak_bytes_per_row");
    std::printf("%-58s %10.1f %8s\n", "peak memory per listed row, bytes",
                memory == r.counters.end() ? NAN : memory->second, "<= 32");
    const double startUp = t("BM_StartUp/2/iterations:20");
    row("start-up / bare Qt window", startUp / t("BM_StartUp/0/iterations:20"), "<= 1.5");
    row("start-up / bare Qt window with one line of text",
        startUp / t("BM_StartUp/1/iterations:20"), "");
    for (const char* eq : {"1", "6"}) {
        const std::string arg = std::string("/") + eq;
        row(("bare loop / bare loop with Odeint's grouping, equation " + std::string(eq)).c_str(),
            t("BM_BareLoop" + arg) / t("BM_BareLoopOdeintGrouping" + arg), "");
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    probePath = QCoreApplication::applicationDirPath().toStdString() + "/startup_probe";
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
