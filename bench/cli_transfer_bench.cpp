// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli against the simulated radio paced at 9600 baud, as a dealer runs it: the whole
// process (start, port, transfer, file, exit) for a read and a write, as a ratio to the wire
// time of the bytes exchanged; and the time from the start of the process to the first byte
// it sends, with an explicit device path.
#include <benchmark/benchmark.h>

#include "CliProcess.h"
#include "TemporaryFolder.h"

#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"

#include <QCoreApplication>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace tlv::test;
using Clock = std::chrono::steady_clock;

constexpr double kByteSeconds = 10.0 / 9600.0; // start bit, 8 data bits, stop bit

class YesBox : public tlv::MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return tlv::IdYes; }
};

// The bytes both sides put on the wire in one transfer, counted by the program's own serial
// code against an unpaced simulator.
double wireBytes(tlv::TransferDirection direction) {
    static int argc = 1;
    static char name[] = "tlv6200-bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    SimulatedRadio radio;
    tlv::SerialLink link;
    if (!link.open(QString::fromStdString(radio.device()))) return 0;
    tlv::EditorState editor = tlv::MakeStartupEditor(tlv::Language::English);
    YesBox box;
    tlv::TransferController transfer(link, box, [] { return tlv::Language::English; });
    if (tlv::RunTransfer(transfer, direction, 30000, tlv::EncodeImage(editor.radio())) !=
        tlv::TransferOutcome::Success)
        return 0;
    return static_cast<double>(link.bytesSent() + link.bytesReceived());
}

void runCli(benchmark::State& state, tlv::TransferDirection direction) {
    const double bytes = wireBytes(direction);
    if (bytes == 0) {
        state.SkipWithError("the byte count of a transfer could not be taken");
        return;
    }
    TemporaryFolder folder;
    const std::string file = folder.file("radio.DAT");
    RunCli({"new", "-o", file});
    SimulatedRadio radio({"--paced", "--load", file});
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const ProcessResult result =
            direction == tlv::TransferDirection::Read
                ? RunCli({"read", "--port", radio.device(), "-o", file}, {}, 60000)
                : RunCli({"write", file, "--port", radio.device()}, {}, 60000);
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        if (result.exitCode != 0) {
            state.SkipWithError(("transfer failed: " + result.err).c_str());
            return;
        }
        state.SetIterationTime(elapsed.count());
        seconds += elapsed.count();
    }
    state.counters["bytes"] = bytes;
    state.counters["time/wire"] =
        seconds / static_cast<double>(state.iterations()) / (bytes * kByteSeconds);
}

void BM_CliReadPaced9600(benchmark::State& state) {
    runCli(state, tlv::TransferDirection::Read);
}
void BM_CliWritePaced9600(benchmark::State& state) {
    runCli(state, tlv::TransferDirection::Write);
}

// From the start of a `read` with a device path to the first byte on the line. The far end
// is a bare pseudo-terminal that never answers; the process is stopped once the byte is there.
void BM_CliStartToFirstByte(benchmark::State& state) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const std::string device = ptsname(master);
    // Held open here so that the line does not hang up between two runs of the program.
    const int keepOpen = open(device.c_str(), O_RDWR | O_NOCTTY);
    TemporaryFolder folder;
    const std::string cli = TLV_CLI;
    for (auto _ : state) {
        const auto start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            const int null = open("/dev/null", O_RDWR);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execl(cli.c_str(), cli.c_str(), "read", "--port", device.c_str(), "-o",
                  folder.file("r.DAT").c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        pollfd ready{master, POLLIN, 0};
        const bool arrived = poll(&ready, 1, 5000) == 1 && (ready.revents & POLLIN);
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        char drain[256];
        while (poll(&ready, 1, 0) == 1 && (ready.revents & POLLIN) &&
               read(master, drain, sizeof drain) > 0) {
        }
        if (!arrived) {
            state.SkipWithError("no byte arrived");
            break;
        }
        state.SetIterationTime(elapsed.count());
    }
    close(keepOpen);
    close(master);
}

} // namespace

BENCHMARK(BM_CliReadPaced9600)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CliWritePaced9600)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CliStartToFirstByte)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
