#include "Gbk.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per thread, opened once: opening a converter is far more
// expensive than converting a short field value.
UConverter* converter() {
    thread_local ConverterPtr conv = [] {
        UErrorCode err = U_ZERO_ERROR;
        ConverterPtr c(ucnv_open("windows-936", &err));
        if (U_FAILURE(err))
            return ConverterPtr();
        // Stop at the first unmappable or illegal sequence so callers learn of it.
        ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        return c;
    }();
    return conv.get();
}

void setOk(bool* ok, bool value) {
    if (ok)
        *ok = value;
}

} // namespace

namespace Gbk {

bool isAscii(const QString& text) {
    for (QChar ch : text)
        if (ch.unicode() >= 0x80)
            return false;
    return true;
}

bool isAscii(QByteArrayView bytes) {
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    return true;
}

QByteArray fromUnicode(const QString& text, bool* ok) {
    setOk(ok, true);
    if (isAscii(text))
        return text.toLatin1();
    UConverter* conv = converter();
    if (!conv) {
        setOk(ok, false);
        return {};
    }
    QByteArray out;
    bool allMapped = true;
    const UChar* src = reinterpret_cast<const UChar*>(text.utf16());
    const UChar* srcEnd = src + text.size();
    // Convert piece by piece so an unmappable character becomes '?' and the rest goes on.
    while (src < srcEnd) {
        char buffer[1024];
        char* dst = buffer;
        UErrorCode err = U_ZERO_ERROR;
        ucnv_fromUnicode(conv, &dst, buffer + sizeof buffer, &src, srcEnd, nullptr, true, &err);
        out.append(buffer, dst - buffer);
        if (err == U_BUFFER_OVERFLOW_ERROR)
            continue;
        if (U_FAILURE(err)) {
            allMapped = false;
            out.append('?');
            // Skip the offending code point (one or two UTF-16 units were consumed already).
            ucnv_resetFromUnicode(conv);
        }
    }
    ucnv_resetFromUnicode(conv);
    setOk(ok, allMapped);
    return out;
}

QString toUnicode(QByteArrayView bytes, bool* ok) {
    setOk(ok, true);
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    UConverter* conv = converter();
    if (!conv) {
        setOk(ok, false);
        return {};
    }
    QString out(bytes.size(), Qt::Uninitialized);
    UChar* dst = reinterpret_cast<UChar*>(out.data());
    UChar* dstStart = dst;
    const char* src = bytes.constData();
    UErrorCode err = U_ZERO_ERROR;
    ucnv_toUnicode(conv, &dst, dstStart + out.size(), &src, bytes.constData() + bytes.size(), nullptr, true, &err);
    ucnv_resetToUnicode(conv);
    if (U_FAILURE(err)) {
        setOk(ok, false);
        return {};
    }
    out.truncate(dst - dstStart);
    return out;
}

bool canEncode(const QString& text) {
    // A few characters map one way only (they come back as another
    // character), so only a text that reads back unchanged counts.
    bool ok = true;
    const QByteArray bytes = fromUnicode(text, &ok);
    return ok && toUnicode(bytes) == text;
}

} // namespace Gbk
