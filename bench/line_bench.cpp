// SPDX-License-Identifier: GPL-3.0-or-later
// The production line at real speed: ten simulated radios paced at 9600 baud, plugged in one
// after another on two cables, written by `tlv6200-cli line --watch`. The two cables run side by
// side, so the whole box should take about five writes plus the plug-in intervals (the ratio
// counter: total / (5 x one write + the intervals of one cable)). A cable's appearance to the
// program's first byte is measured by the simulated radio itself, with the device folder watched
// (inotify) and with the half-second look alone.
#include <benchmark/benchmark.h>

#include "CliProcess.h"
#include "TemporaryFolder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <numeric>
#include <thread>

namespace {

using namespace tlv::test;
using Clock = std::chrono::steady_clock;

constexpr int kPlugInMs = 500; // the time from one radio leaving to the next one appearing

struct Box {
    TemporaryFolder folder;
    std::string base = folder.file("base.DAT");
    std::string units = folder.file("units.csv");
    Box() {
        RunCli({"new", "-o", base});
        std::string text = "IdCode,PttIdStartCode\n";
        for (int row = 1; row <= 10; ++row)
            text += std::to_string(100 + row) + ",*" + std::to_string(100 + row) + "#\n";
        WriteBytes(units, text);
    }
};

double seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// The first-byte delay a radio announced, in milliseconds (-1 when it did not).
double firstByteMs(const std::string& out) {
    const std::string mark = "first byte after ";
    const auto at = out.find(mark);
    return at == std::string::npos ? -1 : std::stod(out.substr(at + mark.size()));
}

// Radios plugged in one after another on each cable while `line --watch` serves them; the
// time from the line's start to its end, and each radio's delay from appearing to the first byte.
bool runLine(Box& box, int cables, int radiosPerCable, bool pollOnly, double& total,
             std::vector<double>& firstBytes) {
    if (pollOnly)
        ::setenv("TLV6200_LINE_POLL_ONLY", "1", 1);
    else
        ::unsetenv("TLV6200_LINE_POLL_ONLY");
    std::vector<std::string> argv{TLV_CLI,   "line",    box.base,     "--units",
                                  box.units, "--watch", "--no-backup"};
    std::vector<std::string> paths;
    for (int cable = 0; cable < cables; ++cable) {
        paths.push_back(box.folder.file("cable" + std::to_string(cable)));
        argv.insert(argv.end(), {"--port", paths.back()});
    }
    const auto start = Clock::now();
    ChildProcess line(argv);
    std::vector<std::vector<double>> delays(static_cast<std::size_t>(cables));
    std::vector<std::thread> benches;
    bool allWritten = true;
    for (int cable = 0; cable < cables; ++cable)
        benches.emplace_back([&, cable] {
            for (int radio = 0; radio < radiosPerCable; ++radio) {
                SimulatedRadio plugged({"--paced", "--link", paths[static_cast<std::size_t>(cable)],
                                        "--appear-after", std::to_string(kPlugInMs),
                                        "--leave-after", "1", "--save",
                                        box.folder.file("r" + std::to_string(cable) + ".DAT")});
                if (!plugged.waitForSaves(1, 20000)) allWritten = false;
                delays[static_cast<std::size_t>(cable)].push_back(firstByteMs(plugged.out()));
            }
        });
    for (auto& bench : benches)
        bench.join();
    if (cables * radiosPerCable < 10) ::kill(line.pid(), SIGINT); // rows are left
    line.finish(20000);
    total = seconds(Clock::now() - start);
    for (const auto& cable : delays)
        firstBytes.insert(firstBytes.end(), cable.begin(), cable.end());
    return allWritten;
}

// One write's wire time: `write` into one paced radio.
double oneWrite(Box& box) {
    SimulatedRadio radio({"--paced"});
    const auto start = Clock::now();
    RunCli({"write", box.base, "--port", radio.device(), "--no-backup"}, {}, 60000);
    return seconds(Clock::now() - start);
}

void BM_LineTenPacedRadiosOnTwoCables(benchmark::State& state) {
    Box box;
    const double write = oneWrite(box);
    double total = 0;
    std::vector<double> firstBytes;
    for (auto _ : state) {
        if (!runLine(box, 2, 5, false, total, firstBytes)) {
            state.SkipWithError("a radio was not written");
            break;
        }
    }
    // Each cable: five writes, each after its radio's plug-in interval.
    const double expected = 5 * (write + kPlugInMs / 1000.0);
    state.counters["one_write_s"] = write;
    state.counters["total_s"] = total;
    state.counters["ratio"] = total / expected;
}
BENCHMARK(BM_LineTenPacedRadiosOnTwoCables)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// Arg 0: the device folder watched (inotify) and the half-second look; 1: the look alone.
void BM_CableAppearingToFirstByte(benchmark::State& state) {
    Box box;
    double total = 0;
    std::vector<double> firstBytes;
    for (auto _ : state)
        runLine(box, 1, 4, state.range(0) == 1, total, firstBytes);
    state.counters["first_byte_mean_ms"] =
        firstBytes.empty() ? -1
                           : std::accumulate(firstBytes.begin(), firstBytes.end(), 0.0) /
                                 static_cast<double>(firstBytes.size());
    state.counters["first_byte_max_ms"] =
        firstBytes.empty() ? -1 : *std::max_element(firstBytes.begin(), firstBytes.end());
}
BENCHMARK(BM_CableAppearingToFirstByte)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

} // namespace
