// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and memory of the editing comforts: pasting sixteen channel rows, recording an undo
// step, undo and redo, and what a full undo history of 1000 steps holds.
#include <benchmark/benchmark.h>

#include "document/EditorBaseline.h"
#include "editor/ChannelRows.h"
#include "editor/Startup.h"
#include "editor/UndoHistory.h"

#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// An editor with all sixteen channels, every test frequency and full texts.
tlv::EditorState fullEditor() {
    tlv::EditorState state = tlv::MakeStartupEditor();
    std::string rows;
    for (int row = 1; row <= 16; ++row) {
        rows += "00\t446.00625\t67.0\t446.01250\tD023N\t高\t关闭\t宽带\t有\n";
        state.radio().testFrequencies[row - 1] = {tlv::Frequency{44600625},
                                                  tlv::Frequency{44600625}};
    }
    tlv::PasteChannelRows(state, 1, rows);
    state.radio().embeddedTexts = {std::string(32, 'A'), std::string(32, 'B')};
    state.dialogs.embeddedTexts = {std::string(32, 'A'), std::string(32, 'B')};
    return state;
}

std::vector<int> allRows() {
    std::vector<int> rows;
    for (int row = 1; row <= 16; ++row)
        rows.push_back(row);
    return rows;
}

void BM_PasteSixteenRows(benchmark::State& bench) {
    tlv::EditorState state = fullEditor();
    const std::string text = tlv::ChannelRowsText(state, allRows());
    for (auto _ : bench)
        benchmark::DoNotOptimize(tlv::PasteChannelRows(state, 1, text));
}
BENCHMARK(BM_PasteSixteenRows)->Unit(benchmark::kMicrosecond);

// What the window does after every change: record the step and ask whether the editor now
// holds unsaved changes (for the title's "*").
void BM_RecordUndoStep(benchmark::State& bench) {
    tlv::EditorState state = fullEditor();
    tlv::UndoHistory history;
    history.reset(state);
    tlv::EditorBaseline baseline;
    baseline.Reset(state.radio());
    int squelch = 0;
    for (auto _ : bench) {
        state.radio().functions.squelchLevel = ++squelch % 10;
        benchmark::DoNotOptimize(history.record(state));
        benchmark::DoNotOptimize(baseline.Modified(state.radio()));
    }
}
BENCHMARK(BM_RecordUndoStep)->Unit(benchmark::kMicrosecond);

// One undo and one redo per iteration: each is half the time.
void BM_UndoThenRedo(benchmark::State& bench) {
    tlv::EditorState state = fullEditor();
    tlv::UndoHistory history;
    history.reset(state);
    tlv::DeleteChannels(state, allRows());
    history.record(state);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(history.undo(state));
        benchmark::DoNotOptimize(history.redo(state));
    }
}
BENCHMARK(BM_UndoThenRedo)->Unit(benchmark::kMicrosecond);

// The heap a history of 1000 steps over the full editor holds, in megabytes.
void BM_ThousandUndoStepsMemory(benchmark::State& bench) {
    double megabytes = 0;
    for (auto _ : bench) {
        tlv::EditorState state = fullEditor();
        const std::size_t before = mallinfo2().uordblks;
        auto history = std::make_unique<tlv::UndoHistory>();
        history->reset(state);
        for (int step = 0; step < 1000; ++step) {
            state.radio().powerLevels.high = step % 256;
            state.radio().embeddedTexts[0] = std::to_string(step);
            history->record(state);
        }
        megabytes = double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(history->undoSteps());
    }
    bench.counters["MB"] = megabytes;
}
BENCHMARK(BM_ThousandUndoStepsMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
