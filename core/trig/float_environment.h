#pragma once

// What the trigonometry needs of the compiler, refused at compile time where a compiler shows
// it. Each double operation must round once, to nearest, to a double:
// - no excess precision (x87 arithmetic keeps 64-bit significands between steps);
// - no fused multiply-add where the source has a product and a sum: Dekker's products and
//   the double-double sums rely on each product being rounded on its own, and a fused step
//   would also give other bits than a machine without one (-ffp-contract=off; the build
//   defines LUMETRA_TRIG_NO_CONTRACTION beside it, as GCC has no macro that tells);
// - no reassociation, reciprocals or finite-only assumptions (-ffast-math and its parts);
// - no code built for a changing rounding mode (-frounding-math).
// What no compiler shows is the rounding mode at run time: the caller must leave it at
// round-to-nearest (the C and C++ default), or the results are not the promised ones.
// -fno-math-errno: no maths function may ever be a call into the C library for the sake
// of errno (the library has none today; a square root would be one without it).

#include <cfloat>

static_assert(FLT_EVAL_METHOD == 0, "the trigonometry needs double arithmetic without excess precision");

#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__) || \
    defined(__ASSOCIATIVE_MATH__) || defined(__RECIPROCAL_MATH__)
#error "the trigonometry must not be compiled with -ffast-math or any of its parts"
#endif

#if defined(__ROUNDING_MATH__)
#error "the trigonometry rounds to nearest only; compile it without -frounding-math"
#endif

#if defined(__clang__)
#pragma clang fp contract(off)
#elif defined(__FP_FAST_FMA) && !defined(LUMETRA_TRIG_NO_CONTRACTION)
#error "this target fuses multiply-adds: compile with -ffp-contract=off and define LUMETRA_TRIG_NO_CONTRACTION"
#endif

#if defined(__GNUC__) && !defined(__NO_MATH_ERRNO__)
#error "compile the trigonometry with -fno-math-errno, so that no maths function becomes a C library call"
#endif
