// What the line brings, as the exchange frames it: where a reply ends, what a refusal is, and
// what stays once the codes sent unasked are out must agree.
#include "framingchecks.h"
#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = framingDisagreement(lineText(data, size));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
