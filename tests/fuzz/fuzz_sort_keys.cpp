// The list sort: for any keys (split at '|') in any mode, the fast order is a
// permutation and equals the order of the literal array algorithm.
#include "FuzzInput.h"

#include "util/SortOrder.h"

#include <QStringList>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t flags = in.take<uint8_t>();
    const int mode = flags % 3;
    const bool caseSensitive = flags & 4;
    QStringList keys = in.restAsText().split(QLatin1Char('|'));
    if (keys.size() > 300)
        keys = keys.mid(0, 300); // the literal algorithm is quadratic
    const std::vector<int> order = SortOrder::insertionOrder(keys, mode, caseSensitive);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 0; i < sorted.size(); ++i)
        FUZZ_REQUIRE(sorted[i] == static_cast<int>(i), "the order is a permutation");
    FUZZ_REQUIRE(sorted.size() == static_cast<size_t>(keys.size()), "every row has a place");
    FUZZ_REQUIRE(order == SortOrder::insertionOrderByArrays(keys, mode, caseSensitive), "same order as the literal sort");
    return 0;
}
