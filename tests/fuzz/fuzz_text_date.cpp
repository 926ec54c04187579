// Text to date: no input harms it, and a date it accepts has date texts.
#include "FuzzInput.h"

#include "util/TextForms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzInput(data, size).restAsText();
    bool valid = false;
    const double date = TextForms::toDateTime(text, &valid);
    if (valid) {
        FUZZ_REQUIRE(!TextForms::dateText(date).isEmpty(), "an accepted date has a date text");
        TextForms::dateTimeText(date);
    }
    return 0;
}
