// Armadillo to 3dsMax followed by 3dsMax to Armadillo gives back what the user typed, to
// the precision each field shows, over a grid of typed values inside the fields' ranges.
// The way back reads only the rounded texts of the way out, so where those texts carry
// too few digits to pin the value down again, the case is left out and the reason is
// named; the test checks that enough cases remain to mean something.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "angles.h"
#include "armadillo_to_max.h"
#include "max_to_armadillo.h"
#include "memory_window.h"

namespace lumetra {
namespace {

using testing::MemoryWindow;

double number(const MemoryWindow& f, TextField field) { return std::stod(f.text(field)); }

// The text a user types for units / 10^decimals, written by integer arithmetic alone so
// that the expected texts owe nothing to the program's own rounding and formatting.
std::string typedText(long long units, int decimals)
{
    std::string digits = std::to_string(units);
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    if (places > 0)
        digits.insert(digits.size() - places, ".");
    return digits;
}

TEST(RoundTrip, LightComesBackToItsShownPrecision)
{
    const Num pi = computePi();
    int checked = 0;
    // Tenths of a degree and millionths; dividing them gives the doubles nearest the decimals.
    for (long long headingTenths = 0; headingTenths <= 3599; headingTenths += 73) {
        for (long long pitchTenths : {0, 1, 125, 450, 603, 800, 898}) {
            for (long long distanceMillionths : {1'000'000LL, 10'000'000LL, 1'000'000'000LL, 12'345'678'901LL}) {
                const double pitch = static_cast<double>(pitchTenths) / 10.0;
                const double distance = static_cast<double>(distanceMillionths) / 1e6;
                // X and Y carry six decimals; the heading is recovered from them, so their
                // horizontal reach must stay well above that rounding for one decimal of heading.
                if (distance * std::cos(pitch * std::numbers::pi / 180.0) < 0.05)
                    continue;
                MemoryWindow f;
                f.put(CheckBox::chkNatSX, Ticked);
                const std::string typedHeading = typedText(headingTenths, 1);
                const std::string typedPitch = typedText(pitchTenths, 1);
                const std::string typedDistance = typedText(distanceMillionths, 6);
                f.setText(TextField::txtHeading, typedHeading);
                f.setText(TextField::txtPitch, typedPitch);
                f.setText(TextField::txtDistance, typedDistance);
                f.setText(TextField::txtGridRes, "3.0000");
                f.setText(TextField::txtGridSize, "256");
                f.setText(TextField::txtDilloStrength, "40.000");
                armadilloToMax(f, pi);
                maxToArmadillo(f, f, pi);
                EXPECT_TRUE(f.messages().empty());

                SCOPED_TRACE("heading " + typedHeading + ", pitch " + typedPitch + ", distance " + typedDistance);
                // Heading 0 comes back as 0.0 because X, Y hold the rounded position; a heading that
                // differs from 0 by less than the rounding could come back as 360.0, which the grid avoids.
                EXPECT_EQ(f.text(TextField::txtHeading), typedHeading);
                EXPECT_EQ(f.text(TextField::txtPitch), typedPitch);
                // Each of X, Y, Z is off by up to half a millionth, so the distance may differ by
                // one in its last decimal (the margin covers the doubles' own spacing near 12345).
                EXPECT_NEAR(number(f, TextField::txtDistance), distance, 1.5e-6);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(RoundTrip, GridComesBackToItsShownPrecision)
{
    const Num pi = computePi();
    int checked = 0;
    for (int natSX : {Clear, Ticked}) {
        // Ten-thousandths of the resolution and thousandths of the strength.
        for (long long gridResUnits : {1000, 5000, 10000, 22500, 30000, 71234, 160000, 1000000}) {
            for (long long gridSizeUnits : {1, 7, 64, 256, 1000, 4096}) {
                for (long long strengthUnits : {1000, 13500, 40000, 250125}) {
                    const double gridRes = static_cast<double>(gridResUnits) / 1e4;
                    const double gridSize = static_cast<double>(gridSizeUnits);
                    const double strength = static_cast<double>(strengthUnits) / 1e3;
                    const double extent = gridRes * (natSX == Ticked ? 256.0 : 512.0);
                    const double objectScale = gridSize * 100.0 / extent;
                    const double maxStrength = strength * objectScale / 100.0;
                    // The way back divides by the six-decimal object scale and strength texts:
                    // their rounding, relative to their size, must leave the resolution within half
                    // a unit of its fourth decimal and the strength within half of its third.
                    const double relative = 0.5e-6 / objectScale + 0.5e-6 / maxStrength;
                    if (gridRes * 0.5e-6 / objectScale >= 0.25e-4 || strength * relative >= 0.25e-3)
                        continue;
                    MemoryWindow f;
                    f.put(CheckBox::chkNatSX, natSX);
                    const std::string typedRes = typedText(gridResUnits, 4);
                    const std::string typedStrength = typedText(strengthUnits, 3);
                    f.setText(TextField::txtHeading, "90.0");
                    f.setText(TextField::txtPitch, "45.0");
                    f.setText(TextField::txtDistance, "1000.000000");
                    f.setText(TextField::txtGridRes, typedRes);
                    f.setText(TextField::txtGridSize, typedText(gridSizeUnits, 0));
                    f.setText(TextField::txtDilloStrength, typedStrength);
                    armadilloToMax(f, pi);
                    f.setText(TextField::txtGridRes, "");
                    f.setText(TextField::txtDilloStrength, "");
                    maxToArmadillo(f, f, pi);
                    EXPECT_TRUE(f.messages().empty());

                    SCOPED_TRACE("resolution " + typedRes + ", grid size " + std::to_string(gridSize) + ", strength " +
                                 typedStrength + (natSX == Ticked ? ", National or SX" : ", Baja, Stunt or Enduro"));
                    EXPECT_EQ(f.text(TextField::txtGridRes), typedRes);
                    EXPECT_EQ(f.text(TextField::txtDilloStrength), typedStrength);
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 200);
}

}  // namespace
}  // namespace lumetra
