// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "language/Traditional.h"
#include "texts/CaptionTables.h"

#include <string>

namespace {

// Accepts every write and does nothing: the cost of walking the tables alone.
class NullTarget : public tlv::CaptionTarget {
  public:
    void setWindowTitle(std::string_view, const std::string&) override {}
    void setCaption(std::string_view, std::string_view, const std::string&) override {}
    void setListEntry(std::string_view, std::string_view, int, const std::string&) override {}
    void setGridHeader(std::string_view, std::string_view, int, const std::string&) override {}
    void setToolbarButton(std::string_view, std::string_view, int, const std::string&) override {}
};

void BM_ToTraditionalMessage(benchmark::State& state) {
    const std::string text = "通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！";
    for (auto _ : state)
        benchmark::DoNotOptimize(tlv::ToTraditional(text));
}
BENCHMARK(BM_ToTraditionalMessage);

// Every Simplified text of the caption tables once: what one window conversion pass costs.
void BM_ToTraditionalWholeTable(benchmark::State& state) {
    const auto& table = tlv::CaptionTable();
    for (auto _ : state)
        for (const tlv::CaptionRow& row : table)
            benchmark::DoNotOptimize(tlv::ToTraditional(row.zh));
    state.counters["texts"] = static_cast<double>(table.size());
}
BENCHMARK(BM_ToTraditionalWholeTable)->Unit(benchmark::kMicrosecond);

// The one-time cost of the first conversion: loading both OpenCC configurations.
void BM_OpenTraditionalConverter(benchmark::State& state) {
    for (auto _ : state) {
        tlv::TraditionalConverter converter;
        benchmark::DoNotOptimize(converter.hasPhraseConverter());
    }
}
BENCHMARK(BM_OpenTraditionalConverter)->Unit(benchmark::kMillisecond);

void BM_ApplyLanguageCaptions(benchmark::State& state) {
    NullTarget target;
    for (auto _ : state)
        tlv::ApplyLanguageCaptions(target, tlv::Language::English);
}
BENCHMARK(BM_ApplyLanguageCaptions)->Unit(benchmark::kMicrosecond);

} // namespace
