// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the channel data files: the format alone, Open (read and load) and Save (atomic
// replacement, flushed to the disk).
#include <benchmark/benchmark.h>

#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "image/DataFile.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A folder under the system's temporary folder for the run.
struct BenchFolder {
    std::filesystem::path path;
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tlv6200-bench-XXXXXX");
        path = ::mkdtemp(pattern.data());
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

// Every channel in use, with tones and each option list at its second entry.
tlv::RadioData busyRadio() {
    tlv::RadioData radio = tlv::MakeStartupEditor().radio();
    for (tlv::Channel& channel : radio.channels) {
        channel.rx = tlv::Frequency{44600625};
        channel.tx = tlv::Frequency{44601250};
        channel.rxTone = tlv::Tone::Ctcss(670);
        channel.txTone = tlv::Tone::Dcs(023, false);
        channel.scan = true;
    }
    return radio;
}

void BM_DataFileFormat(benchmark::State& run) {
    const std::string content = tlv::BuildDataFile(busyRadio());
    for (auto _ : run) {
        auto image = tlv::DataFileImage(content);
        benchmark::DoNotOptimize(tlv::DataFileContent(*image));
    }
}
BENCHMARK(BM_DataFileFormat);

void BM_OpenDataFile(benchmark::State& run) {
    BenchFolder folder;
    const std::string path = (folder.path / "a.DAT").string();
    tlv::SaveDataFile(path, busyRadio());
    tlv::EditorState state = tlv::MakeStartupEditor();
    for (auto _ : run)
        benchmark::DoNotOptimize(tlv::LoadDataFile(path, state));
}
BENCHMARK(BM_OpenDataFile);

void BM_SaveDataFile(benchmark::State& run) {
    BenchFolder folder;
    const std::string path = (folder.path / "a.DAT").string();
    const tlv::RadioData radio = busyRadio();
    for (auto _ : run)
        benchmark::DoNotOptimize(tlv::SaveDataFile(path, radio));
}
BENCHMARK(BM_SaveDataFile)->UseRealTime();

} // namespace
