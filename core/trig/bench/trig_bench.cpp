// The core's own sine, cosine, tangent and arctangent against the platform's, on arguments
// shaped like the window's: the radian value of headings and pitches with up to six decimals
// between -360 and 720 degrees, and the arctangent of the quotient of two positions with six
// decimals within +-5000. Each pair runs in the same process, one after the other, so that
// their ratio holds however busy the machine is.
//
// Then the slowest single call of each function: every committed hard case (each needs the
// careful evaluation), the doubles closest to multiples of pi/2 and the largest doubles are
// timed one by one, and the slowest of them is timed again as the benchmark (its argument
// is printed as the benchmark's label).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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

std::vector<double> slowCandidates(const char* name)
{
    std::vector<double> xs{0x1.921fb54442d18p+0, 0x1.6c6cbc45dc8dep+5, 0x1.b951f1572eba5p+23, 0x1.6ac5b262ca1ffp+849,
                           0x1.6ac5b262ca1ffp+850, 0x1.fffffffffffffp+1023, 0x1p+20, 0x1.5p+3, 0x1p+59, 0x1p-26};
    std::ifstream in(std::string(LUMETRA_TRIG_HARD_CASES) + "/" + name + ".txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        xs.push_back(std::strtod(line.substr(0, line.find(' ')).c_str(), nullptr));
    }
    return xs;
}

// The argument whose call takes longest: each timed as the fastest of 20 runs of 10 calls.
template <double (*F)(double)>
double slowestArgument(const char* name)
{
    double slowest = 0.0;
    double worst = 0.0;
    for (const double x : slowCandidates(name)) {
        double best = 1e30;
        for (int run = 0; run < 20; ++run) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < 10; ++i)
                benchmark::DoNotOptimize(F(x));
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        if (best > worst) {
            worst = best;
            slowest = x;
        }
    }
    return slowest;
}

template <double (*F)(double)>
void worstCall(benchmark::State& state, const char* name)
{
    static const double x = slowestArgument<F>(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(F(x));
    std::array<char, 64> label{};
    std::snprintf(label.data(), label.size(), "%a", x);
    state.SetLabel(label.data());
}

void BM_Sin_WorstCall(benchmark::State& s) { worstCall<lumetra::trig::sin>(s, "sin"); }
void BM_Cos_WorstCall(benchmark::State& s) { worstCall<lumetra::trig::cos>(s, "cos"); }
void BM_Tan_WorstCall(benchmark::State& s) { worstCall<lumetra::trig::tan>(s, "tan"); }
void BM_Atan_WorstCall(benchmark::State& s) { worstCall<lumetra::trig::atan>(s, "atan"); }

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
BENCHMARK(BM_Sin_WorstCall)->Apply(medianOfTen);
BENCHMARK(BM_Cos_WorstCall)->Apply(medianOfTen);
BENCHMARK(BM_Tan_WorstCall)->Apply(medianOfTen);
BENCHMARK(BM_Atan_WorstCall)->Apply(medianOfTen);

}  // namespace

BENCHMARK_MAIN();
