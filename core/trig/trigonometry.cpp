#include "trigonometry.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <optional>

#include "double_double.h"
#include "float_environment.h"
#include "internals.h"
#include "trig_accurate.h"
#include "trig_bounds.h"
#include "trig_tables.h"

namespace lumetra::trig {

namespace {

using internals::FastValue;
using internals::Function;
using internals::quarterPi;
using std::fabs;
using tables::halfPi;
using tables::halfPiParts;

// Below this, sin x, tan x and atan x round to x and cos x to 1: the next term of each
// series is under a quarter of a unit in the last place.
constexpr double tiny = 0x1p-27;
// The fast reduction keeps k * pi/2 exact for k < 2^20.
constexpr double fastReductionLimit = 0x1p20;

// The double nearest y.hi + y.lo when every value within bound * |y.hi| of it rounds to the
// same double. y must be normalised (|y.lo| at most half a unit of y.hi).
std::optional<double> roundedIfSure(DoubleDouble y, double bound)
{
    const double e = bound * fabs(y.hi);
    const double low = y.hi + (y.lo - e);
    const double high = y.hi + (y.lo + e);
    if (low != high)
        return std::nullopt;
    return low;
}

DoubleDouble negatedIf(DoubleDouble v, bool negate) { return negate ? DoubleDouble{-v.hi, -v.lo} : v; }

// x = k * pi/2 + r, with r within pi/4 of 0 and held as two doubles (Cody and Waite, with
// pi/2 in four parts); none beyond the fast reduction's limit, and when r comes out so small
// against k that the ignored bits of pi/2 could matter.
struct Reduced {
    // cppcheck-suppress unusedStructMember
    DoubleDouble r;
    // cppcheck-suppress unusedStructMember
    unsigned quadrant;
};

[[gnu::always_inline]] inline std::optional<Reduced> reduced(double x)
{
    if (fabs(x) <= quarterPi)
        return Reduced{{x, 0.0}, 0};
    if (!(fabs(x) < fastReductionLimit))
        return std::nullopt;
    const double k = nearestInteger(x * tables::twoOverPi);
    // k times each of the first three parts is exact, and so is the first difference.
    const double t = x - k * halfPiParts[0];
    const DoubleDouble s2 = twoSum(t, -(k * halfPiParts[1]));
    const DoubleDouble s3 = twoSum(s2.hi, -(k * halfPiParts[2]));
    // The bits of pi/2 beyond the four parts, and the roundings of the tail below, are worth
    // under k * 2^-155; against r of at least k * 2^-86 that is 2^-69 of r
    // (derive_bounds.py, fast_reduction).
    if (fabs(s3.hi) < fabs(k) * 0x1p-86)
        return std::nullopt;
    // Past that test the rest is far smaller than s3.hi.
    const DoubleDouble r = fastTwoSum(s3.hi, (s2.lo + s3.lo) - k * halfPiParts[3]);
    return Reduced{r, static_cast<unsigned>(static_cast<long long>(k)) & 3U};
}

// A non-negative argument as c + h + lo, with c = i/128 the nearest point of the tables.
struct Offset {
    std::size_t i;
    double h;  // exact: the argument lies within a factor of 2 of c when i > 0
    double lo;
};

Offset offsetOf(double hi, double lo)
{
    const double n = nearestInteger(hi * 128.0);
    return {static_cast<std::size_t>(n), hi - n * (1.0 / 128), lo};
}

// f(c + h + lo) by the Taylor polynomial of f at c, |h| <= 1/256: the value and the linear
// term in double-double, the terms of degree 2 to 9 in plain doubles.
[[gnu::always_inline]] inline DoubleDouble taylor(const tables::Taylor& f, const Offset& at)
{
    const double h = at.h + at.lo;
    const double h2 = h * h;
    const std::array<double, 8>& c = f.higher;
    const double higher = h2 * (((c[0] + c[1] * h) + h2 * (c[2] + c[3] * h)) +
                                (h2 * h2) * ((c[4] + c[5] * h) + h2 * (c[6] + c[7] * h)));
    const DoubleDouble p = twoProduct(f.slope, at.h, split(at.h));
    const double small = higher + (f.value.lo + (p.lo + (f.slope.hi * at.lo + f.slope.lo * at.h)));
    // The value outweighs the linear term: from c = 1/128 on it is more than twice the
    // largest linear term, and at c = 0 it is 0.
    const DoubleDouble u = fastTwoSum(f.value.hi, p.hi);
    return fastTwoSum(u.hi, u.lo + small);
}

// sin(k pi/2 + r) for |r| <= pi/4 (and cos x is sin with k one higher). With r = a + t,
// a = i/128 from the table and |t| <= 1/256, and A, B the table's sin a and cos a in even
// quadrants, cos a and -sin a in odd ones:
//   sin(k pi/2 + a + t) = +-(A + B t + A (cos t - 1) + B (sin t - t))
// The first two terms in double-double, the small corrections in plain doubles. The
// quadrant picks table entries and signs rather than code, so that no branch depends on it.
DoubleDouble sinInQuadrant(DoubleDouble r, unsigned quadrant)
{
    constexpr std::array<double, 2> sign{1.0, -1.0};
    const bool negative = r.hi < 0;
    const Offset at = offsetOf(fabs(r.hi), negative ? -r.lo : r.lo);
    const unsigned odd = quadrant & 1U;
    const SplitDoubleDouble& a = tables::sinCos[at.i][odd];
    const SplitDoubleDouble& b = tables::sinCos[at.i][odd ^ 1U];
    const double bSign = sign[odd];
    const double th = at.h;
    const double z = th * th + 2.0 * th * at.lo;
    const double sinTail = th * z * (-1.0 / 6 + z * (1.0 / 120 - z * (1.0 / 5040)));
    const double cosTail = z * (-0.5 + z * (1.0 / 24 - z * (1.0 / 720)));
    const DoubleDouble p = twoProduct(b, th, split(th));
    const double small =
        (a.hi * cosTail + bSign * (b.hi * sinTail)) + (a.lo + bSign * (p.lo + (b.hi * at.lo + b.lo * th)));
    // A outweighs B t: sin a is at least a when a > 0, cos a at least 0.7.
    const DoubleDouble u = fastTwoSum(a.hi, bSign * p.hi);
    const DoubleDouble v = fastTwoSum(u.hi, u.lo + small);
    // sin is odd and cos even in r; k = 2 and 3 negate.
    const double s = sign[(quadrant >> 1U & 1U) ^ static_cast<unsigned>(negative && odd == 0)];
    return {s * v.hi, s * v.lo};
}

// The fast double-double value of a function of x, or nothing where the fast reduction
// cannot hold x.
[[gnu::always_inline]] inline std::optional<DoubleDouble> fastSinValue(double x)
{
    const std::optional<Reduced> red = reduced(x);
    if (!red)
        return std::nullopt;
    return sinInQuadrant(red->r, red->quadrant);
}

[[gnu::always_inline]] inline std::optional<DoubleDouble> fastCosValue(double x)
{
    const std::optional<Reduced> red = reduced(x);
    if (!red)
        return std::nullopt;
    return sinInQuadrant(red->r, red->quadrant + 1);
}

// tan(k pi/2 + r) is tan r for even k and -1 / tan r for odd k.
[[gnu::always_inline]] inline std::optional<DoubleDouble> fastTanValue(double x)
{
    const std::optional<Reduced> red = reduced(x);
    if (!red)
        return std::nullopt;
    const bool negative = red->r.hi < 0;
    const Offset at = offsetOf(fabs(red->r.hi), negative ? -red->r.lo : red->r.lo);
    const DoubleDouble t = taylor(tables::tanTaylor[at.i], at);
    // -1/t, taken in every quadrant so that no branch depends on it.
    const DoubleDouble cot = negatedIf(reciprocal(t), true);
    const bool odd = (red->quadrant & 1U) != 0;
    const DoubleDouble v{odd ? cot.hi : t.hi, odd ? cot.lo : t.lo};
    return negatedIf(v, negative);
}

[[gnu::always_inline]] inline DoubleDouble fastAtanValue(double x)
{
    const double ax = fabs(x);
    DoubleDouble v;
    if (ax <= 1.0) {
        const Offset at = offsetOf(ax, 0.0);
        v = taylor(tables::atanTaylor[at.i], at);
    } else {
        // atan x = pi/2 - atan(1/x), with 1/x in two doubles.
        const DoubleDouble y = reciprocal({ax, 0.0});
        const Offset at = offsetOf(y.hi, y.lo);
        const DoubleDouble w = taylor(tables::atanTaylor[at.i], at);
        const DoubleDouble u = fastTwoSum(halfPi.hi, -w.hi);
        v = fastTwoSum(u.hi, u.lo + (halfPi.lo - w.lo));
    }
    return negatedIf(v, x < 0);
}

std::optional<FastValue> withBound(std::optional<DoubleDouble> v, double bound)
{
    if (!v)
        return std::nullopt;
    return FastValue{*v, bound};
}

// The fast value of f at x with the bound it is rounded under (trig_bounds.h, derived in
// derive_bounds.py); the rounding test and the tests take both from here.
[[gnu::always_inline]] inline std::optional<FastValue> fastValue(Function f, double x)
{
    switch (f) {
    case Function::sin:
        return withBound(fastSinValue(x), bounds::fastSinCos.stated);
    case Function::cos:
        return withBound(fastCosValue(x), bounds::fastSinCos.stated);
    case Function::tan:
        return withBound(fastTanValue(x), bounds::fastTan.stated);
    case Function::atan:
        return FastValue{fastAtanValue(x), bounds::fastAtan.stated};
    }
    return std::nullopt;
}

// The fast result of a function of x, or nothing when the careful evaluation must decide.
[[gnu::always_inline]] inline std::optional<double> fastResult(Function f, double x)
{
    const std::optional<FastValue> v = fastValue(f, x);
    if (!v)
        return std::nullopt;
    return roundedIfSure(v->value, v->bound);
}

std::optional<double> fastSin(double x) { return fastResult(Function::sin, x); }
std::optional<double> fastCos(double x) { return fastResult(Function::cos, x); }
std::optional<double> fastTan(double x) { return fastResult(Function::tan, x); }

// A function of an angle: the fast evaluation where the fast reduction holds, the careful
// one wherever the fast one cannot decide, and the value at a tiny argument.
double angleFunction(double x, std::optional<double> (*fast)(double), double (*careful)(double), double atTiny)
{
    if (!(fabs(x) <= DBL_MAX))
        return x - x;
    if (fabs(x) < tiny)
        return atTiny;
    if (const std::optional<double> v = fast(x))
        return *v;
    return careful(x);
}

}  // namespace

std::optional<FastValue> internals::fast(Function f, double x) { return fastValue(f, x); }

double sin(double x) { return angleFunction(x, fastSin, carefulSin, x); }
double cos(double x) { return angleFunction(x, fastCos, carefulCos, 1.0); }
double tan(double x) { return angleFunction(x, fastTan, carefulTan, x); }

double atan(double x)
{
    if (!(fabs(x) <= DBL_MAX))
        return x - x;
    if (fabs(x) < tiny)
        return x;
    // Beyond 2^60, pi/2 - 1/x lies well within half a unit of the double nearest pi/2.
    if (fabs(x) > 0x1p60)
        return x < 0 ? -halfPi.hi : halfPi.hi;
    if (const std::optional<double> v = fastResult(Function::atan, x))
        return *v;
    return carefulAtan(x);
}

}  // namespace lumetra::trig
