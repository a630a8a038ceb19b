#pragma once

// The standard library's reading of decimal text, which the program's reader is compared
// with, in std::from_chars's terms. Where the C++ library has no floating-point from_chars
// (the browser build's), the C library's strtod reads instead: it rounds as correctly, and
// its range error is narrowed to the results from_chars refuses, zero and infinity.

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

namespace lumetra::property {

struct LibraryRead {
    double value = 0.0;  // left 0 where out of range, as from_chars leaves it
    std::errc error{};
    std::size_t length = 0;  // characters read
};

inline LibraryRead libraryRead(std::string_view text)
{
    LibraryRead read;
#if defined(__cpp_lib_to_chars)
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read.value);
    read.error = error;
    read.length = static_cast<std::size_t>(end - text.data());
#else
    // strtod also skips blanks and takes a plus sign, hexadecimal and more; the texts
    // given here hold none of them.
    const std::string terminated(text);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(terminated.c_str(), &end);
    read.length = static_cast<std::size_t>(end - terminated.c_str());
    if (read.length == 0)
        read.error = std::errc::invalid_argument;
    else if (errno == ERANGE && (value == 0.0 || std::isinf(value)))
        read.error = std::errc::result_out_of_range;
    else
        read.value = value;
#endif
    return read;
}

}  // namespace lumetra::property
