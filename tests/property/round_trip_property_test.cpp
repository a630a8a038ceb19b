// Armadillo to 3dsMax and back again, over random typed values in the fields' ranges and
// forms: the way back sees only the texts the way out wrote, and still finds what the user
// typed, to the precision each field shows. Where those texts carry too few digits to pin
// a value down again, the case is left out; the reason stands beside each exclusion, and
// each test checks that nearly all cases remain.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "angles.h"
#include "armadillo_to_max.h"
#include "generators.h"
#include "max_to_armadillo.h"
#include "memory_window.h"

namespace lumetra::property {
namespace {

using testing::MemoryWindow;

// A typed number as its field shows it: `units` counts steps of the last decimal.
std::string fieldText(std::uint64_t units, int decimals)
{
    std::string digits = std::to_string(units);
    const auto n = static_cast<std::size_t>(decimals);
    if (digits.size() <= n)
        digits.insert(0, n + 1 - digits.size(), '0');
    return decimals == 0 ? digits : digits.insert(digits.size() - n, 1, '.');
}

// Steps of the last decimal spread evenly over the decades between lo and hi.
std::uint64_t unitsBetween(Gen& gen, double lo, double hi, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return static_cast<std::uint64_t>(std::llround(gen.magnitude(std::log10(lo * scale), std::log10(hi * scale))));
}

std::int64_t unitsOf(std::string text)
{
    text.erase(text.find('.'), 1);
    return std::stoll(text);
}

constexpr double degree = 3.14159265358979323846 / 180.0;

TEST(RoundTripProperty, LightComesBackToItsShownPrecision)
{
    const Angles angles(computePi());
    Gen gen(11);
    const std::size_t cases = caseCount(60'000);
    std::size_t checked = 0;
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const auto headingTenths = static_cast<std::uint64_t>(gen.between(0, 3599));
        // Excluded: a pitch of 89.9 itself. The rounded position can put the pitch found on the
        // way back a hair above 89.9, which that direction rejects with its steep-pitch warning.
        const auto pitchTenths = static_cast<std::uint64_t>(gen.between(0, 898));
        const std::uint64_t distanceUnits = unitsBetween(gen, 1.0, 1e6, 6);
        // Excluded: lights whose horizontal reach is under 0.05 ft. The heading is found again
        // from X and Y, each rounded to a millionth, and that reach keeps it well inside the
        // half tenth of a degree that its text shows.
        if (static_cast<double>(distanceUnits) * 1e-6 * std::cos(static_cast<double>(pitchTenths) * 0.1 * degree) < 0.05)
            continue;
        const std::string heading = fieldText(headingTenths, 1);
        const std::string pitch = fieldText(pitchTenths, 1);
        const std::string distance = fieldText(distanceUnits, 6);
        MemoryWindow f;
        f.put(CheckBox::chkNatSX, Ticked);
        f.setText(TextField::txtHeading, heading);
        f.setText(TextField::txtPitch, pitch);
        f.setText(TextField::txtDistance, distance);
        f.setText(TextField::txtGridRes, "3.0000");
        f.setText(TextField::txtGridSize, "256");
        f.setText(TextField::txtDilloStrength, "40.000");
        armadilloToMax(f, angles);
        for (TextField written : {TextField::txtHeading, TextField::txtPitch, TextField::txtDistance})
            f.setText(written, "");
        maxToArmadillo(f, angles);
        EXPECT_TRUE(f.messages().empty());

        SCOPED_TRACE("heading " + heading + ", pitch " + pitch + ", distance " + distance);
        EXPECT_EQ(f.text(TextField::txtHeading), heading);
        EXPECT_EQ(f.text(TextField::txtPitch), pitch);
        // X, Y and Z are each up to half a millionth off, which moves the distance by up to
        // 0.87 millionths before it is rounded again: one unit of its last decimal at most.
        EXPECT_LE(std::llabs(unitsOf(f.text(TextField::txtDistance)) - static_cast<std::int64_t>(distanceUnits)), 1);
        ++checked;
    }
    EXPECT_GT(checked, cases * 99 / 100);
}

TEST(RoundTripProperty, GridComesBackToItsShownPrecision)
{
    const Angles angles(computePi());
    Gen gen(12);
    const std::size_t cases = caseCount(60'000);
    std::size_t checked = 0;
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const bool natSX = gen.chance(0.5);
        const std::uint64_t resUnits = unitsBetween(gen, 0.1, 100.0, 4);
        const std::uint64_t gridSize = unitsBetween(gen, 1.0, 10000.0, 0);
        const std::uint64_t strengthUnits = unitsBetween(gen, 1.0, 1000.0, 3);
        // Excluded: the way back divides by the six-decimal texts of the object scale and the
        // 3dsMax strength. Where their rounding, relative to their size, could move the
        // resolution by a quarter unit of its fourth decimal or the strength by a quarter unit
        // of its third, the texts no longer pin the typed values down.
        const double res = static_cast<double>(resUnits) * 1e-4;
        const double strength = static_cast<double>(strengthUnits) * 1e-3;
        const double objectScale = static_cast<double>(gridSize) * 100.0 / (res * (natSX ? 256.0 : 512.0));
        const double maxStrength = strength * objectScale / 100.0;
        if (res * 0.5e-6 / objectScale >= 0.25e-4 || strength * (0.5e-6 / objectScale + 0.5e-6 / maxStrength) >= 0.25e-3)
            continue;
        const std::string typedRes = fieldText(resUnits, 4);
        const std::string typedStrength = fieldText(strengthUnits, 3);
        MemoryWindow f;
        f.put(CheckBox::chkNatSX, natSX ? Ticked : Clear);
        f.setText(TextField::txtHeading, "90.0");
        f.setText(TextField::txtPitch, "45.0");
        f.setText(TextField::txtDistance, "1000.000000");
        f.setText(TextField::txtGridRes, typedRes);
        f.setText(TextField::txtGridSize, fieldText(gridSize, 0));
        f.setText(TextField::txtDilloStrength, typedStrength);
        armadilloToMax(f, angles);
        f.setText(TextField::txtGridRes, "");
        f.setText(TextField::txtDilloStrength, "");
        maxToArmadillo(f, angles);
        EXPECT_TRUE(f.messages().empty());

        SCOPED_TRACE("resolution " + typedRes + ", grid size " + std::to_string(gridSize) + ", strength " +
                     typedStrength + (natSX ? ", National or SX" : ", Baja, Stunt or Enduro"));
        EXPECT_EQ(f.text(TextField::txtGridRes), typedRes);
        EXPECT_EQ(f.text(TextField::txtDilloStrength), typedStrength);
        ++checked;
    }
    // The rounding of small object scales and strengths rules out a fair share here.
    EXPECT_GT(checked, cases / 2);
}

}  // namespace
}  // namespace lumetra::property
