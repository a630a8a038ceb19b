// Prints what the two evaluations compute, for tools/measure_errors.py to compare with MPFR.
// Reads lines "<function> <argument as a hexadecimal double>" and writes for each
//   fast <function> <x> <hi> <lo> <bound>            (or "fast <function> <x> none")
//   careful <function> <x> <words> <sign> <error>    for each width, words in hexadecimal
// with every double in hexadecimal.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "internals.h"

namespace {

using lumetra::trig::Width;
using namespace lumetra::trig::internals;

std::optional<Function> functionNamed(const char* name)
{
    if (std::strcmp(name, "sin") == 0)
        return Function::sin;
    if (std::strcmp(name, "cos") == 0)
        return Function::cos;
    if (std::strcmp(name, "tan") == 0)
        return Function::tan;
    if (std::strcmp(name, "atan") == 0)
        return Function::atan;
    return std::nullopt;
}

}  // namespace

int main()
{
    char name[16];
    char arg[64];
    while (std::scanf("%15s %63s", name, arg) == 2) {
        const std::optional<Function> f = functionNamed(name);
        if (!f)
            return 2;
        const double x = std::strtod(arg, nullptr);
        if (const std::optional<FastValue> v = fast(*f, x))
            std::printf("fast %s %a %a %a %a\n", name, x, v->value.hi, v->value.lo, v->bound);
        else
            std::printf("fast %s %a none\n", name, x);
        for (const int words : {2, 4, 8, 16}) {
            const Bounded a = careful(*f, x, Width{words});
            std::printf("careful %s %a ", name, x);
            for (int i = 0; i <= words; ++i)
                std::printf("%016llx", static_cast<unsigned long long>(a.value.word(i)));
            std::printf(" %c %a\n", a.value.negative() ? '-' : '+', a.error);
        }
    }
    return 0;
}
