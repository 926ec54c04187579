// Text to number and back to text: no input harms either direction.
#include "FuzzInput.h"

#include "util/TextForms.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzInput(data, size).restAsText();
    const double value = TextForms::toNumber(text);
    const QString shown = TextForms::numberText(value);
    FUZZ_REQUIRE(!shown.isEmpty(), "a number always has a text");
    // The shown text is itself a number text: it reads back to the value it shows.
    if (std::isfinite(value))
        FUZZ_REQUIRE(TextForms::numberText(TextForms::toNumber(shown)) == shown, "number text is stable");
    return 0;
}
