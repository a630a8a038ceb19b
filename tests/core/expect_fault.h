#pragma once

// Runs a piece of arithmetic that must stop with a Fault and returns the fault, so a
// test can check its kind. The number and text each kind shows are checked where the
// error message is built.

#include <gtest/gtest.h>

#include <optional>

#include "fault.h"

namespace lumetra::testing {

template <class Body>
std::optional<Fault> faultFrom(Body&& body)
{
    try {
        body();
    } catch (const Fault& fault) {
        return fault;
    }
    return std::nullopt;
}

// Expects the body to raise a fault of the given kind.
#define EXPECT_FAULT(body, expectedKind)                                                          \
    do {                                                                                          \
        const auto fault_ = ::lumetra::testing::faultFrom([&] { (void)(body); });                 \
        if (!fault_)                                                                              \
            ADD_FAILURE() << "expected a fault from: " #body;                                    \
        else                                                                                      \
            EXPECT_EQ(fault_->kind(), (expectedKind)) << #body;                                   \
    } while (false)

}  // namespace lumetra::testing
