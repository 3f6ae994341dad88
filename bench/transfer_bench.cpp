// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and writes against tlv6200-radio-sim over a pseudo-terminal, through the program's own
// serial code: milliseconds per transfer unpaced, and, paced at 9600 baud, the ratio of a
// transfer's time to the wire time of the bytes it exchanged.
#include <benchmark/benchmark.h>

#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <chrono>
#include <memory>

namespace {

constexpr double kByteSeconds = 10.0 / 9600.0; // start bit, 8 data bits, stop bit

class YesBox : public tlv::MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return tlv::IdYes; }
};

void ensureApplication() {
    static int argc = 1;
    static char name[] = "tlv6200-bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// The simulator and a link to it, for one benchmark.
struct Bench {
    explicit Bench(const QStringList& arguments) {
        ensureApplication();
        sim.start(QStringLiteral(TLV_RADIO_SIM), arguments);
        sim.waitForStarted(5000);
        QDeadlineTimer deadline(5000);
        while (!sim.canReadLine() && !deadline.hasExpired())
            sim.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        QString path = QString::fromUtf8(sim.readLine()).trimmed();
        opened = link.open(path);
    }
    ~Bench() {
        link.close();
        sim.terminate();
        if (!sim.waitForFinished(3000)) {
            sim.kill();
            sim.waitForFinished(3000);
        }
    }
    QProcess sim;
    tlv::SerialLink link;
    bool opened = false;
};

void runTransfers(benchmark::State& state, tlv::TransferDirection direction, bool paced) {
    Bench bench(paced ? QStringList{QStringLiteral("--paced")} : QStringList{});
    if (!bench.opened) {
        state.SkipWithError("simulator terminal could not be opened");
        return;
    }
    tlv::EditorState editor = tlv::MakeStartupEditor(tlv::Language::English);
    for (tlv::Channel& channel : editor.radio().channels)
        channel.rx = channel.tx = tlv::Frequency{44600625}; // 446.00625 MHz
    YesBox box;
    tlv::TransferController transfer(bench.link, box, [] { return tlv::Language::English; });
    const tlv::MemoryImage image = tlv::EncodeImage(editor.radio());
    double seconds = 0;
    double wireSeconds = 0;
    for (auto _ : state) {
        qint64 before = bench.link.bytesSent() + bench.link.bytesReceived();
        auto start = std::chrono::steady_clock::now();
        auto outcome = tlv::RunTransfer(transfer, direction, 30000, image);
        auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        if (outcome != tlv::TransferOutcome::Success) {
            state.SkipWithError("transfer did not succeed");
            return;
        }
        state.SetIterationTime(elapsed.count());
        seconds += elapsed.count();
        wireSeconds +=
            static_cast<double>(bench.link.bytesSent() + bench.link.bytesReceived() - before) *
            kByteSeconds;
    }
    state.counters["bytes"] = wireSeconds / kByteSeconds / static_cast<double>(state.iterations());
    if (paced) state.counters["time/wire"] = seconds / wireSeconds;
}

void BM_ReadUnpaced(benchmark::State& state) {
    runTransfers(state, tlv::TransferDirection::Read, false);
}
void BM_WriteUnpaced(benchmark::State& state) {
    runTransfers(state, tlv::TransferDirection::Write, false);
}
void BM_ReadPaced9600(benchmark::State& state) {
    runTransfers(state, tlv::TransferDirection::Read, true);
}
void BM_WritePaced9600(benchmark::State& state) {
    runTransfers(state, tlv::TransferDirection::Write, true);
}

} // namespace

BENCHMARK(BM_ReadUnpaced)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_WriteUnpaced)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReadPaced9600)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WritePaced9600)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
