// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the image codec and of the remainder used by the test-frequency checks.
#include <benchmark/benchmark.h>

#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "radio/Conversions.h"

namespace {

// Radio data with all sixteen channels, every test frequency and every text field in use.
tlv::RadioData fullRadio() {
    tlv::RadioData radio = tlv::MakeStartupEditor().radio();
    for (int row = 1; row <= 16; ++row) {
        radio.channel(row) = {tlv::Frequency{44600625},
                              tlv::Frequency{44601250},
                              row % 2 ? tlv::Tone::Dcs(023, false) : tlv::Tone::Ctcss(670),
                              tlv::Tone::Ctcss(2541),
                              tlv::Power::High,
                              tlv::TransmitForbid::OnCarrier,
                              tlv::Bandwidth::Wide,
                              true};
        radio.testFrequencies[row - 1] = {tlv::Frequency{44600625}, tlv::Frequency{44600625}};
    }
    radio.codes.idCode = "0123456789";
    radio.embeddedTexts = {std::string(32, 'A'), std::string(32, 'B')};
    return radio;
}

void BM_EncodeImage(benchmark::State& bench) {
    const tlv::RadioData radio = fullRadio();
    for (auto _ : bench)
        benchmark::DoNotOptimize(tlv::EncodeImage(radio));
}
BENCHMARK(BM_EncodeImage)->Unit(benchmark::kMicrosecond);

void BM_DecodeImage(benchmark::State& bench) {
    const tlv::MemoryImage image = tlv::EncodeImage(fullRadio());
    tlv::RadioData radio = tlv::MakeStartupEditor().radio();
    for (auto _ : bench)
        benchmark::DoNotOptimize(tlv::DecodeImage(radio, image));
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

// What an open or a read does with the image: the decode, the remembered tone entries and the
// dialogs' loads.
void BM_LoadImage(benchmark::State& bench) {
    const tlv::MemoryImage image = tlv::EncodeImage(fullRadio());
    tlv::EditorState state = tlv::MakeStartupEditor();
    for (auto _ : bench)
        benchmark::DoNotOptimize(tlv::LoadImage(state, image));
}
BENCHMARK(BM_LoadImage)->Unit(benchmark::kMicrosecond);

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
