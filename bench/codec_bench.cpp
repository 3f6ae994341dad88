// Speed of the image codec and of the remainder used by the test-frequency checks.
#include <benchmark/benchmark.h>

#include "editor/Startup.h"
#include "image/Conversions.h"
#include "image/ImageCodec.h"

namespace {

// A silent message box: the decoder's priority rules may speak, nobody listens.
class QuietBox : public tlv::MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return tlv::IdOk; }
};

// An editor with all sixteen channels and every text field in use.
tlv::EditorState fullEditor() {
    tlv::EditorState state = tlv::MakeStartupEditor(0);
    for (int row = 1; row <= 16; ++row) {
        state.table.at(row, 1) = "446.00625";
        state.table.at(row, 2) = row % 2 ? "D023N" : "67.0";
        state.table.at(row, 3) = "446.01250";
        state.table.at(row, 4) = "254.1";
        for (int column = 5; column <= 8; ++column)
            state.table.at(row, column) = state.lists.optionText(column, 1);
        state.stores.testFrequencies[row - 1] = "446.00625";
        state.stores.testFrequencies[row + 15] = "446.00625";
    }
    state.stores.options.entry[tlv::OptionSettings::IdCode] = "0123456789";
    state.stores.embeddedTexts = {std::string(32, 'A'), std::string(32, 'B')};
    return state;
}

void BM_EncodeImage(benchmark::State& bench) {
    tlv::EditorState state = fullEditor();
    for (auto _ : bench)
        benchmark::DoNotOptimize(tlv::EncodeImage(state));
}
BENCHMARK(BM_EncodeImage)->Unit(benchmark::kMicrosecond);

void BM_DecodeImage(benchmark::State& bench) {
    std::string image = tlv::EncodeImage(fullEditor());
    tlv::EditorState state = tlv::MakeStartupEditor(0);
    QuietBox box;
    for (auto _ : bench)
        benchmark::DoNotOptimize(tlv::DecodeImage(state, image, box));
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

void BM_RealRemainder(benchmark::State& bench) {
    double d = 0.005;
    double v = 719.99999;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(tlv::RealRemainder(d, v));
    }
}
BENCHMARK(BM_RealRemainder)->Unit(benchmark::kNanosecond);

} // namespace
