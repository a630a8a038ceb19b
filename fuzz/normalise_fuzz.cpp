// Feeds arbitrary bytes as the text of one field to that field's normaliser. The build
// compiles this file once per normalised field, naming the field in LUMETRA_FUZZ_FIELD.
//
// Checks: the only fault is Overflow, and only when reading the text faults too; the
// result is the field's fixed-point form, never a negative zero; its value lies inside the
// field's bounds, is exactly the bound that a clamp applied, and is otherwise within half
// a unit of the last decimal of the value read; normalising the result again changes
// nothing.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "invariants.h"
#include "normalise.h"

#ifndef LUMETRA_FUZZ_FIELD
#error "LUMETRA_FUZZ_FIELD names the field whose normaliser is fuzzed"
#endif

using namespace lumetra;
using namespace lumetra::fuzz;

namespace {

constexpr TextField fuzzedField = TextField::LUMETRA_FUZZ_FIELD;

const NormaliseRule& rule()
{
    static const NormaliseRule* const r = normaliseRuleFor(fuzzedField);
    if (r == nullptr)
        trap("normaliseRuleFor", "no rule for a normalised field");
    return *r;
}

std::string context() { return "normalise " + std::string(nameOf(fuzzedField)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NormaliseRule& r = rule();
    const int decimals = decimalsOf(r.pattern);

    std::string out;
    const auto fault = runChecked(context(), [&] { out = normalise(r, text); });
    double read = 0.0;
    const auto readFault = runChecked(context(), [&] { read = parseNumber(text).value(); });
    if (fault != readFault)
        trap(context(), "faults although the text reads, or reads although the text faults");
    if (fault) {
        if (*fault != FaultKind::Overflow)
            trap(context(), "raised a fault other than Overflow");
        return 0;
    }

    checkFixedText(out, decimals, context());
    const double value = valueOf(out);
    if (r.upper && value > *r.upper)
        trap(context(), "result " + out + " above the upper bound");
    if (r.lower && value < *r.lower)
        trap(context(), "result " + out + " below the lower bound");

    if (r.upper && read > *r.upper) {
        if (value != *r.upper)
            trap(context(), "a value above the bound did not become the bound: " + out);
    } else if (r.lower && read < *r.lower) {
        if (value != *r.lower)
            trap(context(), "a value below the bound did not become the bound: " + out);
    } else {
        const double halfUnit = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
        const double slack = 2 * (std::nextafter(std::fabs(read), INFINITY) - std::fabs(read));
        if (std::fabs(value - read) > halfUnit + slack)
            trap(context(), "result " + out + " is further than half a unit from the value read");
    }

    std::string again;
    if (runChecked(context(), [&] { again = normalise(r, out); }))
        trap(context(), "normalising the result faults");
    if (again != out)
        trap(context(), "normalising " + out + " again gives " + again);
    return 0;
}
