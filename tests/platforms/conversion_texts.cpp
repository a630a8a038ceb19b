// Runs both conversions on a fixed sequence of random inputs and prints, one line per run,
// every field text afterwards and any message or fault, so that the texts of two builds
// (Linux and Windows) can be compared byte for byte.
//
//   conversion_texts COUNT    COUNT runs of each direction
//
// The inputs are texts drawn as a user would type them: headings and pitches with up to
// six decimals between -360 and 720, positions with six decimals within +-5000, and the
// grid fields in their usual ranges, with every value of the two boxes the conversions read.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "armadillo_to_max.h"
#include "angles.h"
#include "max_to_armadillo.h"
#include "memory_window.h"

namespace {

using lumetra::CheckBox;
using lumetra::TextField;
using lumetra::testing::MemoryWindow;

// A number with `decimals` decimals between low and high (in units of those decimals), as
// decimal text built with integer arithmetic only.
std::string decimalText(std::mt19937_64& rng, std::int64_t low, std::int64_t high, int decimals)
{
    const std::int64_t units = low + static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(high - low + 1));
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    }
    return (units < 0 ? "-" : "") + digits;
}

lumetra::BoxValue anyBoxValue(std::mt19937_64& rng) { return static_cast<lumetra::BoxValue>(rng() % 3); }

void print(const char* direction, const MemoryWindow& window, const std::string& fault)
{
    std::string line = direction;
    for (int f = 0; f < static_cast<int>(lumetra::textFieldNames.size()); ++f)
        line += "|" + window[static_cast<TextField>(f)];
    for (const std::string& message : window.messages())
        line += "|message " + message;
    line += fault;
    line += '\n';
    std::fputs(line.c_str(), stdout);
}

template <typename Convert>
void run(const char* direction, MemoryWindow& window, Convert convert)
{
    std::string fault;
    try {
        convert(window);
    } catch (const lumetra::Fault& f) {
        fault = "|fault " + std::to_string(f.number());
    }
    print(direction, window, fault);
}

}  // namespace

int main(int argc, char* argv[])
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (count <= 0) {
        std::fputs("usage: conversion_texts COUNT\n", stderr);
        return 2;
    }
    const lumetra::Angles angles(lumetra::computePi());
    std::mt19937_64 rng(20261207);
    for (long i = 0; i < count; ++i) {
        MemoryWindow a;
        a.put(TextField::txtHeading, decimalText(rng, -360'000'000, 720'000'000, 6));
        a.put(TextField::txtPitch, decimalText(rng, -360'000'000, 720'000'000, 6));
        a.put(TextField::txtDistance, decimalText(rng, 1'000'000, 100'000'000'000, 6));
        a.put(TextField::txtGridRes, decimalText(rng, 1'000, 1'000'000, 4));
        a.put(TextField::txtDilloStrength, decimalText(rng, 1'000, 1'000'000, 3));
        a.put(TextField::txtObjectScale, decimalText(rng, 100'000, 1'000'000'000, 6));
        a.put(TextField::txtGridSize, decimalText(rng, 1, 9999, 0));
        a.put(CheckBox::chkNatSX, anyBoxValue(rng));
        a.put(CheckBox::chkUseObjectScale, anyBoxValue(rng));
        run("A", a, [&](MemoryWindow& w) { lumetra::armadilloToMax(w, angles); });

        MemoryWindow m;
        m.put(TextField::txtX, decimalText(rng, -5'000'000'000, 5'000'000'000, 6));
        m.put(TextField::txtY, decimalText(rng, -5'000'000'000, 5'000'000'000, 6));
        m.put(TextField::txtZ, decimalText(rng, -5'000'000'000, 5'000'000'000, 6));
        m.put(TextField::txtGridSize, decimalText(rng, 1, 9999, 0));
        m.put(TextField::txtObjectScale, decimalText(rng, 100'000, 1'000'000'000, 6));
        m.put(TextField::txtMaxStrength, decimalText(rng, 100'000, 1'000'000'000, 6));
        m.put(CheckBox::chkNatSX, anyBoxValue(rng));
        run("M", m, [&](MemoryWindow& w) { lumetra::maxToArmadillo(w, angles); });
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
