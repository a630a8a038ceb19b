// The window's pi, the degree-based angle functions, and the faults of checked arithmetic.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "angles.h"
#include "checked.h"
#include "expect_fault.h"

namespace lumetra {
namespace {

const Num pi = computePi();
const Angles angles(pi);

TEST(Pi, IsFourTimesTheArctangentOfOne)
{
    EXPECT_EQ(pi.value(), 3.141592653589793);
}

TEST(AngleFunctions, DistinguishedArgumentsGiveExactValues)
{
    struct Row {
        const char* name;
        Num (Angles::*function)(Num) const;
        double argument;
        double expected;
    };
    const Row rows[] = {
        {"arcsin of one is 90 without a square root", &Angles::arcsin, 1.0, 90.0},
        {"arcsin of zero is 0", &Angles::arcsin, 0.0, 0.0},
        {"arccos of one is 0 without a square root", &Angles::arccos, 1.0, 0.0},
        {"arccos of zero is 90", &Angles::arccos, 0.0, 90.0},
        // atan(0.5 / sqrt(0.75)) * 180 / pi in doubles lands one unit above 30.
        {"arcsin of a half is one unit above 30", &Angles::arcsin, 0.5, 30.000000000000004},
        {"cosine of 0 degrees", &Angles::cosD, 0.0, 1.0},
        {"sine of 0 degrees", &Angles::sinD, 0.0, 0.0},
        {"arctangent of 0", &Angles::atnD, 0.0, 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ((angles.*row.function)(row.argument).value(), row.expected);
    }
}

TEST(AngleFunctions, RightAnglesGiveTinyNonZeroValues)
{
    // cos(pi/2) and sin(pi) of the rounded pi, each the double nearest the exact value (on
    // every platform: a C library's x87 cosine gives 6.123031769111886E-17).
    EXPECT_EQ(angles.cosD(90.0).value(), 6.123233995736766e-17);
    EXPECT_EQ(angles.sinD(180.0).value(), 1.2246467991473532e-16);
    // sin(-pi) is the mirror image.
    EXPECT_EQ(angles.sinD(-180.0).value(), -1.2246467991473532e-16);
}

TEST(AngleFunctions, CommonAnglesAreCloseToTheirExactValues)
{
    struct Row {
        const char* name;
        Num (Angles::*function)(Num) const;
        double argument;
        double expected;
    };
    const Row rows[] = {
        {"cosine of 60", &Angles::cosD, 60.0, 0.5},
        {"sine of 30", &Angles::sinD, 30.0, 0.5},
        {"sine of -90", &Angles::sinD, -90.0, -1.0},
        {"cosine of 180", &Angles::cosD, 180.0, -1.0},
        {"tangent of 45", &Angles::tanD, 45.0, 1.0},
        {"tangent of -45", &Angles::tanD, -45.0, -1.0},
        {"arctangent of 1", &Angles::atnD, 1.0, 45.0},
        {"arctangent of -1", &Angles::atnD, -1.0, -45.0},
        // atan(sqrt(3)) = 60 degrees.
        {"arctangent of root three", &Angles::atnD, std::sqrt(3.0), 60.0},
        {"arcsin of minus a half", &Angles::arcsin, -0.5, -30.0},
        {"arccos of a half", &Angles::arccos, 0.5, 60.0},
        {"arccos of minus a half", &Angles::arccos, -0.5, 120.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR((angles.*row.function)(row.argument).value(), row.expected, 1e-13);
    }
}

TEST(AngleFunctions, ArctangentStaysWithinARightAngle)
{
    EXPECT_NEAR(angles.atnD(1e300).value(), 90.0, 1e-13);
    EXPECT_NEAR(angles.atnD(-1e300).value(), -90.0, 1e-13);
}

TEST(AngleFunctions, UseThePiTheyAreGiven)
{
    // With a pi of 0 every angle is 0 radians, whatever its degrees.
    EXPECT_EQ(Angles(0.0).cosD(90.0).value(), 1.0);
    EXPECT_EQ(Angles(0.0).sinD(90.0).value(), 0.0);
    EXPECT_EQ(Angles(0.0).tanD(45.0).value(), 0.0);
    // With a pi of 180 the degrees are taken as radians: sin(1 degree) becomes sin(1).
    EXPECT_NEAR(Angles(180.0).sinD(1.0).value(), 0.8414709848078965, 1e-15);
}

TEST(AngleFunctions, OutOfRangeArgumentsFault)
{
    // x = -1: the square root of -x*x + 1 is 0 and the quotient divides by it.
    EXPECT_FAULT(angles.arcsin(-1.0), FaultKind::DivisionByZero);
    EXPECT_FAULT(angles.arccos(-1.0), FaultKind::DivisionByZero);
    // |x| > 1: the square root of a negative number.
    EXPECT_FAULT(angles.arcsin(1.0000001), FaultKind::InvalidOperation);
    EXPECT_FAULT(angles.arcsin(-1.5), FaultKind::InvalidOperation);
    EXPECT_FAULT(angles.arccos(2.0), FaultKind::InvalidOperation);
    // A zero pi makes the degree conversion of the arctangent divide by zero.
    EXPECT_FAULT(Angles(0.0).atnD(1.0), FaultKind::DivisionByZero);
}

TEST(CheckedArithmetic, RaisesTheFaultOfEachFailingStep)
{
    const Num big = DBL_MAX;
    const Num zero = 0.0;
    EXPECT_FAULT(big * 2.0, FaultKind::Overflow);
    EXPECT_FAULT(big + big, FaultKind::Overflow);
    EXPECT_FAULT(-big - big, FaultKind::Overflow);
    EXPECT_FAULT(big / 0.5, FaultKind::Overflow);
    EXPECT_FAULT(Num(1.0) / zero, FaultKind::DivisionByZero);
    EXPECT_FAULT(Num(-3.0) / zero, FaultKind::DivisionByZero);
    EXPECT_FAULT(zero / zero, FaultKind::InvalidOperation);
    EXPECT_FAULT(sqrt(-1.0), FaultKind::InvalidOperation);
    // No value enters unchecked, not even through the construction from a double.
    EXPECT_FAULT(Num(DBL_MAX * 2.0), FaultKind::Overflow);
    EXPECT_FAULT(Num(-DBL_MAX * 2.0), FaultKind::Overflow);
    EXPECT_FAULT(Num(std::nan("")), FaultKind::InvalidOperation);
}

TEST(CheckedArithmetic, FiniteStepsGiveTheirDoubleResults)
{
    EXPECT_EQ((Num(1.5) + 2.25).value(), 3.75);
    EXPECT_EQ((Num(1.5) - 2.25).value(), -0.75);
    EXPECT_EQ((Num(1.5) * -4.0).value(), -6.0);
    EXPECT_EQ((Num(1.0) / 8.0).value(), 0.125);
    EXPECT_EQ(sqrt(2.25).value(), 1.5);
    EXPECT_EQ(sqrt(0.0).value(), 0.0);
    EXPECT_EQ((-Num(2.0)).value(), -2.0);
}

}  // namespace
}  // namespace lumetra
