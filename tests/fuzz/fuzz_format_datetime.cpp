// FormatDateTime and DropLeadingChars with any date, style, part, clock and count.
#include "FuzzInput.h"

#include "util/DateTimeFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const double date = in.take<double>();
    const int style = in.take<int8_t>();
    const int part = in.take<int8_t>();
    const int clock = in.take<int8_t>();
    const int drop = in.take<int16_t>();
    const QString formatted = DateTimeFormat::FormatDateTime(date, style, part, clock);
    const QString rest = DateTimeFormat::DropLeadingChars(formatted + in.restAsText(), drop);
    FUZZ_REQUIRE(rest.size() <= formatted.size() + in.restAsText().size(), "dropping never adds");
    return 0;
}
