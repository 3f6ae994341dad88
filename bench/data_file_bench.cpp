// Speed of the channel data files: the format alone, Open (read and decode) and Save (atomic
// replacement, flushed to the disk).
#include <benchmark/benchmark.h>

#include "editor/Startup.h"
#include "image/DataFile.h"
#include "image/ImageCodec.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class QuietBox : public tlv::MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return tlv::IdOk; }
};

// A folder under the system's temporary folder for the run.
struct BenchFolder {
    std::filesystem::path path;
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tlv6200-bench-XXXXXX");
        path = ::mkdtemp(pattern.data());
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

tlv::EditorState busyEditor() {
    tlv::EditorState state = tlv::MakeStartupEditor(0);
    for (int row = 1; row <= 16; ++row) {
        state.table.at(row, 1) = "446.00625";
        state.table.at(row, 2) = "67.0";
        state.table.at(row, 3) = "446.01250";
        state.table.at(row, 4) = "D023N";
        for (int column = 5; column <= 8; ++column)
            state.table.at(row, column) = state.lists.optionText(column, 1);
    }
    return state;
}

void BM_DataFileFormat(benchmark::State& run) {
    const std::string content = tlv::BuildDataFile(busyEditor());
    for (auto _ : run) {
        auto image = tlv::DataFileImageText(content);
        benchmark::DoNotOptimize(tlv::DataFileContent(*image));
    }
}
BENCHMARK(BM_DataFileFormat);

void BM_OpenDataFile(benchmark::State& run) {
    BenchFolder folder;
    const std::string path = (folder.path / "a.DAT").string();
    tlv::SaveDataFile(path, busyEditor());
    QuietBox box;
    tlv::EditorState state = tlv::MakeStartupEditor(0);
    for (auto _ : run)
        benchmark::DoNotOptimize(tlv::LoadDataFile(path, state, box));
}
BENCHMARK(BM_OpenDataFile);

void BM_SaveDataFile(benchmark::State& run) {
    BenchFolder folder;
    const std::string path = (folder.path / "a.DAT").string();
    const tlv::EditorState state = busyEditor();
    for (auto _ : run)
        benchmark::DoNotOptimize(tlv::SaveDataFile(path, state));
}
BENCHMARK(BM_SaveDataFile)->UseRealTime();

} // namespace
