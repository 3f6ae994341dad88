// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one data file into several radios at once with tlv6200-cli, against simulated radios
// paced at 9600 baud: the transfers run side by side, so three radios should take hardly longer
// than one.
#include <benchmark/benchmark.h>

#include "CliProcess.h"
#include "TemporaryFolder.h"

#include <memory>

namespace {

using namespace tlv::test;

// Radios and a file shared by the runs; the radios answer any number of writes.
struct Fleet {
    TemporaryFolder folder;
    std::string file = folder.file("fleet.DAT");
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    Fleet() {
        WriteBytes(folder.file("in.json"),
                   R"({"channels": [{"rx": "446.00625"}, {"rx": "446.01250"},
                                    {"rx": "446.01875", "txTone": "D023N"}]})");
        RunCli({"import", folder.file("in.json"), "-o", file});
        for (int i = 0; i < 3; ++i)
            radios.push_back(std::make_unique<SimulatedRadio>(std::vector<std::string>{"--paced"}));
    }
};

Fleet& fleet() {
    static Fleet shared;
    return shared;
}

void BM_WritePacedRadios(benchmark::State& state) {
    Fleet& f = fleet();
    std::vector<std::string> args{"write", f.file};
    for (int i = 0; i < state.range(0); ++i)
        args.insert(args.end(), {"--port", f.radios[i]->device()});
    for (auto _ : state) {
        const ProcessResult result = RunCli(args, {}, 60000);
        if (result.exitCode != 0) {
            state.SkipWithError(("write failed: " + result.err).c_str());
            break;
        }
    }
}
BENCHMARK(BM_WritePacedRadios)
    ->Arg(1)
    ->Arg(3)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
