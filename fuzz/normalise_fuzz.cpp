// Feeds arbitrary bytes as the text of one field to that field's normaliser. The build
// compiles this file once per normalised field, naming the field in LUMETRA_FUZZ_FIELD.
//
// Checks: the only fault is Overflow, and only when reading the text faults too; the
// result is the field's fixed-point form, never a negative zero; its value lies inside the
// field's bounds, is exactly the bound's text when a clamp applied, and is otherwise within
// half a unit of the last decimal of the value read; normalising the result again changes
// nothing. The bounds and decimals are those the fields document (documented_ranges.h).

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "documented_ranges.h"
#include "invariants.h"
#include "normalise.h"

#ifndef LUMETRA_FUZZ_FIELD
#error "LUMETRA_FUZZ_FIELD names the field whose normaliser is fuzzed"
#endif

using namespace lumetra;
using namespace lumetra::fuzz;

namespace {

constexpr TextField fuzzedField = TextField::LUMETRA_FUZZ_FIELD;

// A field the table lacks stops the build: the throw cannot be evaluated at compile time.
constexpr DocumentedRange documentedFor(TextField field)
{
    for (const DocumentedRange& d : documentedRanges)
        if (d.field == field)
            return d;
    throw "the field the build names has no documented row";
}

constexpr DocumentedRange doc = documentedFor(fuzzedField);

const FieldFacts& rule()
{
    static const FieldFacts* const r = normaliseRuleFor(fuzzedField);
    if (r == nullptr)
        trap("normaliseRuleFor", "no rule for a normalised field");
    return *r;
}

std::string context() { return "normalise " + std::string(nameOf(fuzzedField)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FieldFacts& r = rule();

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

    checkFixedText(out, doc.decimals, context());
    const double value = valueOf(out);
    if (doc.upper && value > *doc.upper)
        trap(context(), "result " + out + " above the upper bound");
    if (doc.lower && value < *doc.lower)
        trap(context(), "result " + out + " below the lower bound");

    if (doc.upper && read > *doc.upper) {
        if (out != doc.upperShown)
            trap(context(), "a value above the bound did not become the bound: " + out);
    } else if (doc.lower && read < *doc.lower) {
        if (out != doc.lowerShown)
            trap(context(), "a value below the bound did not become the bound: " + out);
    } else {
        const double halfUnit = 0.5 * std::pow(10.0, -doc.decimals) * (1 + 1e-9);
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
