// MoneyToCapitals with any double: a text of capital numerals, or "溢出".
#include "FuzzInput.h"

#include "util/MoneyCapitals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const double value = in.take<double>();
    const bool simplified = in.take<uint8_t>() & 1;
    const QString capitals = MoneyToCapitals(value, simplified);
    FUZZ_REQUIRE(!capitals.isEmpty(), "every amount has capitals");
    static const QString allowed = QStringLiteral("零壹贰叁肆伍陆柒捌玖拾佰仟万亿元角分整负溢出一二三四五六七八九十百千");
    for (QChar c : capitals)
        FUZZ_REQUIRE(allowed.contains(c), "only capital numerals and units");
    return 0;
}
