#pragma once

// What the property tests share: the fixed seed, the case counts, the random inputs they
// are built from, and a stop after the first counterexample so that one fault does not
// print thousands of failures.
//
// Every property runs its full count by default. Setting LUMETRA_PROPERTY_SCALE to a
// fraction (e.g. 0.1 under the sanitizers) runs that share of every count instead; the
// cases kept are the first ones of the full run, since the seed does not change.

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

#include "bits.h"

namespace lumetra::property {

// Changing it changes every generated case; a counterexample is reproduced by its seed.
inline constexpr std::uint64_t propertySeed = 0x4C756D6574726131;  // "Lumetra1"

inline std::size_t caseCount(std::size_t full)
{
    const char* scale = std::getenv("LUMETRA_PROPERTY_SCALE");
    if (!scale || !*scale)
        return full;
    const double factor = std::strtod(scale, nullptr);
    if (!(factor > 0.0) || factor >= 1.0)
        return full;
    return std::max<std::size_t>(1, static_cast<std::size_t>(static_cast<double>(full) * factor));
}

// A property stops at its first counterexample.
inline bool failed() { return ::testing::Test::HasFailure(); }

// A double as text that shows all of it: the shortest decimal that reads back and the bits.
inline std::string show(double x)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", x, x);
    return buf;
}

// strtod, used as a second opinion on texts, reads by the locale; the C locale is pinned.
class CLocale : public ::testing::Environment {
public:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};
inline ::testing::Environment* const cLocale = ::testing::AddGlobalTestEnvironment(new CLocale);

class Gen {
public:
    explicit Gen(std::uint64_t salt) : rng_(propertySeed ^ salt) {}

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::uint64_t bits() { return rng_(); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }
    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }

    template <class T>
    T pick(std::initializer_list<T> items)
    {
        return items.begin()[between(0, static_cast<int>(items.size()) - 1)];
    }
    char pickChar(std::string_view from) { return from[static_cast<std::size_t>(between(0, int(from.size()) - 1))]; }

    std::string digits(int count, std::string_view alphabet = "0123456789")
    {
        std::string out;
        for (int i = 0; i < count; ++i)
            out += pickChar(alphabet);
        return out;
    }

    // Any finite double, every binary exponent equally likely, either sign.
    double anyFinite()
    {
        for (;;) {
            const double x = trig::doubleOf(bits());
            if (std::isfinite(x))
                return x;
        }
    }

    // A double of magnitude between 10^lo and 10^hi, spread evenly over the decades.
    double magnitude(double lo, double hi) { return std::pow(10.0, uniform(lo, hi)); }
    double signedMagnitude(double lo, double hi) { return chance(0.5) ? -magnitude(lo, hi) : magnitude(lo, hi); }

    // A double drawn the way the fields hold numbers: decimal text of a few digits on
    // either side of the point, read correctly rounded.
    double decimal(int maxWhole, int maxDecimals)
    {
        const std::string text = digits(between(1, maxWhole)) + "." + digits(between(0, maxDecimals));
        return (chance(0.5) ? -1.0 : 1.0) * std::strtod(text.c_str(), nullptr);
    }

private:
    std::mt19937_64 rng_;
};

}  // namespace lumetra::property
