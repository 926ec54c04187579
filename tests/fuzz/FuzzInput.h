#pragma once

// Small helpers the fuzz targets share: reading numbers and text from the
// fuzzer's bytes, and stopping loudly when a property does not hold.

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename T> T take() {
        T value{};
        const size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    // The rest of the bytes as UTF-8 text.
    QString restAsText() const {
        return QString::fromUtf8(reinterpret_cast<const char*>(data_), static_cast<qsizetype>(size_));
    }

private:
    const uint8_t* data_;
    size_t size_;
};

#define FUZZ_REQUIRE(condition, what)                                                                                  \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s\n", what);                                                       \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)
