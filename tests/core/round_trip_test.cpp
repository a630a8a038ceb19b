// Armadillo to 3dsMax followed by 3dsMax to Armadillo gives back what the user typed, to
// the precision each field shows, over a grid of typed values inside the fields' ranges.
// The way back reads only the rounded texts of the way out, so where those texts carry
// too few digits to pin the value down again, the case is left out and the reason is
// named; the test checks that enough cases remain to mean something.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "angles.h"
#include "armadillo_to_max.h"
#include "max_to_armadillo.h"
#include "memory_window.h"
#include "numeric_text.h"

namespace lumetra {
namespace {

using testing::MemoryWindow;

double number(const MemoryWindow& f, TextField field) { return std::stod(f.text(field)); }

TEST(RoundTrip, LightComesBackToItsShownPrecision)
{
    const Num pi = computePi();
    int checked = 0;
    for (double heading = 0.0; heading <= 359.9; heading += 7.3) {
        for (double pitch : {0.0, 0.1, 12.5, 45.0, 60.3, 80.0, 89.8}) {
            for (double distance : {1.0, 10.0, 1000.0, 12345.678901}) {
                // X and Y carry six decimals; the heading is recovered from them, so their
                // horizontal reach must stay well above that rounding for one decimal of heading.
                if (distance * std::cos(pitch * M_PI / 180.0) < 0.05)
                    continue;
                MemoryWindow f;
                f.put(CheckBox::chkNatSX, Ticked);
                const std::string typedHeading = roundedText(heading, Pattern::OneDecimal);
                const std::string typedPitch = roundedText(pitch, Pattern::OneDecimal);
                const std::string typedDistance = roundedText(distance, Pattern::SixDecimals);
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
        for (double gridRes : {0.1, 0.5, 1.0, 2.25, 3.0, 7.1234, 16.0, 100.0}) {
            for (double gridSize : {1.0, 7.0, 64.0, 256.0, 1000.0, 4096.0}) {
                for (double strength : {1.0, 13.5, 40.0, 250.125}) {
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
                    const std::string typedRes = roundedText(gridRes, Pattern::FourDecimals);
                    const std::string typedStrength = roundedText(strength, Pattern::ThreeDecimals);
                    f.setText(TextField::txtHeading, "90.0");
                    f.setText(TextField::txtPitch, "45.0");
                    f.setText(TextField::txtDistance, "1000.000000");
                    f.setText(TextField::txtGridRes, typedRes);
                    f.setText(TextField::txtGridSize, roundedText(gridSize, Pattern::Whole));
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
