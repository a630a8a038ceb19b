// The core's own sine, cosine, tangent and arctangent against the platform's, on arguments
// shaped like the window's: the radian value of headings and pitches with up to six decimals
// between -360 and 720 degrees, and the arctangent of the quotient of two positions with six
// decimals within +-5000. Each pair runs in the same process, one after the other, so that
// their ratio holds however busy the machine is.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>

#include "trigonometry.h"

namespace {

constexpr std::size_t count = 1024;

// A number with up to six decimals in [low, high], as its text reads.
double sixDecimals(std::mt19937_64& rng, double low, double high)
{
    const auto steps = static_cast<std::uint64_t>((high - low) * 1e6);
    return low + static_cast<double>(rng() % (steps + 1)) / 1e6;
}

std::array<double, count> radians()
{
    std::array<double, count> a{};
    std::mt19937_64 rng(1);
    for (double& x : a)
        x = (3.141592653589793 * sixDecimals(rng, -360, 720)) / 180;
    return a;
}

std::array<double, count> quotients()
{
    std::array<double, count> a{};
    std::mt19937_64 rng(2);
    for (double& x : a) {
        const double px = sixDecimals(rng, -5000, 5000);
        x = sixDecimals(rng, -5000, 5000) / (px == 0 ? 1 : px);
    }
    return a;
}

template <double (*F)(double)>
void run(benchmark::State& state, const std::array<double, count>& args)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(args[i]));
        i = (i + 1) % count;
    }
}

double platformSin(double x) { return std::sin(x); }
double platformCos(double x) { return std::cos(x); }
double platformTan(double x) { return std::tan(x); }
double platformAtan(double x) { return std::atan(x); }

const std::array<double, count> angleArgs = radians();
const std::array<double, count> atanArgs = quotients();

void BM_Sin_Core(benchmark::State& s) { run<lumetra::trig::sin>(s, angleArgs); }
void BM_Sin_Platform(benchmark::State& s) { run<platformSin>(s, angleArgs); }
void BM_Cos_Core(benchmark::State& s) { run<lumetra::trig::cos>(s, angleArgs); }
void BM_Cos_Platform(benchmark::State& s) { run<platformCos>(s, angleArgs); }
void BM_Tan_Core(benchmark::State& s) { run<lumetra::trig::tan>(s, angleArgs); }
void BM_Tan_Platform(benchmark::State& s) { run<platformTan>(s, angleArgs); }
void BM_Atan_Core(benchmark::State& s) { run<lumetra::trig::atan>(s, atanArgs); }
void BM_Atan_Platform(benchmark::State& s) { run<platformAtan>(s, atanArgs); }

void medianOfTen(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kNanosecond)->Repetitions(10)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_Sin_Core)->Apply(medianOfTen);
BENCHMARK(BM_Sin_Platform)->Apply(medianOfTen);
BENCHMARK(BM_Cos_Core)->Apply(medianOfTen);
BENCHMARK(BM_Cos_Platform)->Apply(medianOfTen);
BENCHMARK(BM_Tan_Core)->Apply(medianOfTen);
BENCHMARK(BM_Tan_Platform)->Apply(medianOfTen);
BENCHMARK(BM_Atan_Core)->Apply(medianOfTen);
BENCHMARK(BM_Atan_Platform)->Apply(medianOfTen);

}  // namespace

BENCHMARK_MAIN();
