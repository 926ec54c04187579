// The field codec: any stored text decodes without harm, and any text the
// code page can hold comes back from its stored form unchanged.
#include "FuzzInput.h"

#include "store/FieldCodec.h"
#include "util/Gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzInput(data, size).restAsText();
    FieldCodec::DecodeField(text);
    // A zero byte ends a stored text (0x10 is stored as 00), so such texts are left out.
    if (Gbk::canEncode(text) && !text.contains(QChar(0x10)) && !text.contains(QChar(0)))
        FUZZ_REQUIRE(FieldCodec::DecodeField(FieldCodec::EncodeField(text)) == text, "decode(encode(text)) == text");
    return 0;
}
