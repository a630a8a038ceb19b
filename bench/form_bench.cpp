// The time of one toggle or one normaliser, as the handlers take it on the in-memory
// window: the toolkit's part (mouse, focus change, repaint) is left out.

#include <benchmark/benchmark.h>

#include "frm_lumetra.h"
#include "memory_window.h"

namespace {

using lumetra::CheckBox;
using lumetra::TextField;
using lumetra::testing::MemoryWindow;
using lumetra::ui::FrmLumetra;

// One click on a direction box: a whole layout change with its nested handlers.
void BM_DirectionToggle(benchmark::State& state)
{
    MemoryWindow window;
    FrmLumetra form(window);
    for (auto _ : state)
        form.boxClicked(CheckBox::chkArmadillo2Max);
    if (numberOf(window[CheckBox::chkArmadillo2Max]) + numberOf(window[CheckBox::chkMax2Armadillo]) != 1)
        state.SkipWithError("the direction boxes are no longer a pair");
}
BENCHMARK(BM_DirectionToggle)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_TrackTypeToggle(benchmark::State& state)
{
    MemoryWindow window;
    FrmLumetra form(window);
    for (auto _ : state)
        form.boxClicked(CheckBox::chkNatSX);
    if (numberOf(window[CheckBox::chkNatSX]) + numberOf(window[CheckBox::chkBajaStuntEnduro]) != 1)
        state.SkipWithError("the track-type boxes are no longer a pair");
}
BENCHMARK(BM_TrackTypeToggle)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_NormaliseDistance(benchmark::State& state)
{
    MemoryWindow window;
    FrmLumetra form(window);
    for (auto _ : state) {
        // Typing the untidy text is the user's part, not the handler's.
        state.PauseTiming();
        window.put(TextField::txtDistance, "1234.5678915");
        state.ResumeTiming();
        form.fieldLeft(TextField::txtDistance);
    }
    if (window[TextField::txtDistance] != "1234.567892")
        state.SkipWithError("the distance was not normalised");
}
BENCHMARK(BM_NormaliseDistance)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
