#pragma once

// Checks shared by the fuzz targets. A failed check prints what it saw and aborts, which
// libFuzzer reports as a crash and saves the input that caused it.

#include <optional>
#include <string>
#include <string_view>

#include "fault.h"
#include "numeric_text.h"

namespace lumetra::fuzz {

[[noreturn]] void trap(std::string_view what, std::string_view detail);

// The fault is one of the three kinds a calculation can raise, with its fixed number
// and a description.
void checkFaultKind(const Fault& fault);

// Fixed-point text with exactly `decimals` digits after the point (none and no point for 0):
// an optional minus sign, no superfluous leading zero, and never a negative zero.
void checkFixedText(std::string_view text, int decimals, std::string_view context);

// General number text: at most 15 significant digits, no trailing zeros after the point,
// exponent form "dE+dd" from 1E15 up and below 1E-4, and never a negative zero.
void checkGeneralText(std::string_view text, std::string_view context);

// The value of a well-formed number text, read by the C library rather than by the code
// under test. Only used on texts that one of the checks above has accepted.
double valueOf(std::string_view text);

// Runs `body` and returns normally if it finished or raised one of the three faults;
// anything else thrown is a failure. Returns the fault kind, if one was raised.
template <typename Body>
std::optional<FaultKind> runChecked(std::string_view context, Body&& body)
{
    try {
        body();
    } catch (const Fault& fault) {
        checkFaultKind(fault);
        return fault.kind();
    } catch (const std::exception& e) {
        trap(context, std::string("unexpected exception: ") + e.what());
    } catch (...) {
        trap(context, "unexpected exception of unknown type");
    }
    return std::nullopt;
}

}  // namespace lumetra::fuzz
