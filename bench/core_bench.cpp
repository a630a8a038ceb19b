// Benchmarks of the two whole conversions over the in-memory window, parsing of the input
// texts and formatting of the results included.
//
// Every iteration first restores the starting window (13 short strings that fit the
// small-string buffer and a few flags, so no allocation) and then runs one conversion.
// The restore is inside the timed region: pausing the timer around it would cost more than
// the copy itself. BM_RestoreFields times the restore alone, so it can be subtracted.
//
// The last three benchmarks time the text routines that every conversion calls several
// times (six or seven reads, eight writes), to show where the time of a conversion goes.

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <exception>
#include <initializer_list>
#include <string>
#include <utility>

#include "angles.h"
#include "armadillo_to_max.h"
#include "max_to_armadillo.h"
#include "memory_window.h"
#include "numeric_text.h"

namespace {

using lumetra::CheckBox;
using lumetra::TextField;

using lumetra::testing::MemoryWindow;

MemoryWindow withText(MemoryWindow fields, TextField field, std::string text)
{
    fields.put(field, std::move(text));
    return fields;
}

MemoryWindow withBox(MemoryWindow fields, CheckBox box, lumetra::BoxValue value)
{
    fields.put(box, value);
    return fields;
}

// Armadillo to 3dsMax, second set: heading 30, pitch 20, distance 500 on a Baja, Stunt or
// Enduro track, with the object scale given, so the grid size is computed and rounded.
MemoryWindow armadilloSecondFields()
{
    MemoryWindow f;
    f = withText(std::move(f), TextField::txtHeading, "30.0");
    f = withText(std::move(f), TextField::txtPitch, "20.0");
    f = withText(std::move(f), TextField::txtDistance, "500.000000");
    f = withText(std::move(f), TextField::txtGridRes, "2.0000");
    f = withText(std::move(f), TextField::txtObjectScale, "50.000000");
    f = withBox(std::move(f), CheckBox::chkNatSX, lumetra::Clear);
    f = withBox(std::move(f), CheckBox::chkBajaStuntEnduro, lumetra::Ticked);
    return withBox(std::move(f), CheckBox::chkUseObjectScale, lumetra::Ticked);
}

// 3dsMax to Armadillo, initial set: the window's texts with the direction switched over.
// The light lies on the Y axis, so its heading comes from the table's constant rows.
MemoryWindow maxInitialFields()
{
    MemoryWindow f = withBox(MemoryWindow(), CheckBox::chkArmadillo2Max, lumetra::Clear);
    return withBox(std::move(f), CheckBox::chkMax2Armadillo, lumetra::Ticked);
}

// 3dsMax to Armadillo, second set: a light at -300, 400, 250, whose heading needs the
// arctangent, and a 512 grid at 50 % on a Baja, Stunt or Enduro track.
MemoryWindow maxSecondFields()
{
    MemoryWindow f = maxInitialFields();
    f = withText(std::move(f), TextField::txtX, "-300.000000");
    f = withText(std::move(f), TextField::txtY, "400.000000");
    f = withText(std::move(f), TextField::txtZ, "250.000000");
    f = withText(std::move(f), TextField::txtGridSize, "512");
    f = withText(std::move(f), TextField::txtObjectScale, "50.000000");
    f = withText(std::move(f), TextField::txtMaxStrength, "20.000000");
    f = withBox(std::move(f), CheckBox::chkNatSX, lumetra::Clear);
    return withBox(std::move(f), CheckBox::chkBajaStuntEnduro, lumetra::Ticked);
}

using Expected = std::initializer_list<std::pair<TextField, const char*>>;

// Checks one untimed run before timing, so that a figure is never reported for a
// conversion that faults or writes something other than the known results.
template <typename Run>
bool firstRunGives(benchmark::State& state, const MemoryWindow& start, Run run, Expected expected)
{
    MemoryWindow fields = start;
    try {
        run(fields);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return false;
    }
    if (!fields.messages().empty()) {
        state.SkipWithError("the conversion showed a message");
        return false;
    }
    for (const auto& [field, text] : expected) {
        if (fields[field] != text) {
            state.SkipWithError("the conversion wrote an unexpected text");
            return false;
        }
    }
    return true;
}

template <typename Run>
void timeConversion(benchmark::State& state, const MemoryWindow& start, Run run, Expected expected)
{
    if (!firstRunGives(state, start, run, expected))
        return;
    MemoryWindow fields = start;
    for (auto _ : state) {
        fields = start;
        run(fields);
        benchmark::DoNotOptimize(&fields);
        benchmark::ClobberMemory();
    }
}

const lumetra::Angles angles(lumetra::computePi());

void armadilloToMax(MemoryWindow& fields) { lumetra::armadilloToMax(fields, angles); }
void maxToArmadillo(MemoryWindow& fields) { lumetra::maxToArmadillo(fields, angles); }

void BM_ArmadilloToMax_Initial(benchmark::State& state)
{
    // The window's texts reproduce themselves.
    timeConversion(state, MemoryWindow(), armadilloToMax,
                   {{TextField::txtCalcHeading, "90"},
                    {TextField::txtCalcPitch, "45"},
                    {TextField::txtX, "0.000000"},
                    {TextField::txtY, "707.106781"},
                    {TextField::txtZ, "707.106781"},
                    {TextField::txtGridSize, "256"},
                    {TextField::txtMaxStrength, "13.333333"},
                    {TextField::txtObjectScale, "33.333333"}});
}

void BM_ArmadilloToMax_Second(benchmark::State& state)
{
    timeConversion(state, armadilloSecondFields(), armadilloToMax,
                   {{TextField::txtCalcHeading, "150"}, {TextField::txtCalcPitch, "20"}});
}

void BM_MaxToArmadillo_Initial(benchmark::State& state)
{
    timeConversion(state, maxInitialFields(), maxToArmadillo,
                   {{TextField::txtDistance, "1000.000000"},
                    {TextField::txtPitch, "45.0"},
                    {TextField::txtCalcHeading, "90"},
                    {TextField::txtHeading, "90.0"},
                    {TextField::txtDilloStrength, "40.000"},
                    {TextField::txtGridRes, "3.0000"},
                    {TextField::txtObjectScale, "33.333333"}});
}

void BM_MaxToArmadillo_Second(benchmark::State& state)
{
    timeConversion(state, maxSecondFields(), maxToArmadillo,
                   {{TextField::txtDistance, "559.016994"},
                    {TextField::txtDilloStrength, "40.000"},
                    {TextField::txtGridRes, "2.0000"}});
}

// The per-iteration restore of the conversion benchmarks, timed alone.
void BM_RestoreFields(benchmark::State& state)
{
    const MemoryWindow start = maxSecondFields();
    MemoryWindow fields = start;
    for (auto _ : state) {
        fields = start;
        benchmark::DoNotOptimize(&fields);
        benchmark::ClobberMemory();
    }
}

// One field read: the text of a six-decimal coordinate to a number.
void BM_ParseNumber(benchmark::State& state)
{
    const std::string text = "707.106781";
    for (auto _ : state) {
        lumetra::Num n = lumetra::parseNumber(text);
        benchmark::DoNotOptimize(n);
    }
}

// One field write of a computed value: rounded half-even to six decimals and formatted.
void BM_RoundedText(benchmark::State& state)
{
    lumetra::Num x = 707.1067811865476;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        std::string text = lumetra::roundedText(x, lumetra::Pattern::SixDecimals);
        benchmark::DoNotOptimize(text.data());
    }
}

// One write in the general form, as of the 3dsMax heading.
void BM_NumberText(benchmark::State& state)
{
    lumetra::Num x = 126.86989764584402;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        std::string text = lumetra::numberText(x);
        benchmark::DoNotOptimize(text.data());
    }
}

void medianOfTen(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kNanosecond)->Repetitions(10)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_ArmadilloToMax_Initial)->Apply(medianOfTen);
BENCHMARK(BM_ArmadilloToMax_Second)->Apply(medianOfTen);
BENCHMARK(BM_MaxToArmadillo_Initial)->Apply(medianOfTen);
BENCHMARK(BM_MaxToArmadillo_Second)->Apply(medianOfTen);
BENCHMARK(BM_RestoreFields)->Apply(medianOfTen);
BENCHMARK(BM_ParseNumber)->Apply(medianOfTen);
BENCHMARK(BM_RoundedText)->Apply(medianOfTen);
BENCHMARK(BM_NumberText)->Apply(medianOfTen);

}  // namespace

BENCHMARK_MAIN();
