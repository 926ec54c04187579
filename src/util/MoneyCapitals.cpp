#include "MoneyCapitals.h"

#include <cmath>

bool IsAmountInRange(double value) { return std::isfinite(value) && std::fabs(value) <= kLargestAmount; }

namespace {

const QString kOverflow = QStringLiteral("溢出");
constexpr long long kLargestFen = 999999999999999LL;

} // namespace

QString MoneyToCapitals(double value, bool simplified) {
    const QString digits = simplified ? QStringLiteral("零一二三四五六七八九") : QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    const QString units = simplified ? QStringLiteral("十百千万十百千亿十百千万") : QStringLiteral("拾佰仟万拾佰仟亿拾佰仟万");

    if (std::isnan(value))
        return kOverflow;
    bool negative = value < 0;
    if (negative)
        value = -value;

    // Whole fen, halves upward; the tiny addend lifts values such as 1.005,
    // whose product with 100 falls just below the half, onto it.
    double y = value * 100.0 + 0.000000000001;
    if (!(y < 1e16)) // beyond any amount we write, infinities included
        return kOverflow;
    double whole = std::floor(y);
    long long n = static_cast<long long>(whole);
    if (y - whole >= 0.5)
        ++n;
    if (n > kLargestFen)
        return kOverflow;
    if (n == 0)
        return digits.left(1);

    QString text;
    if (n % 10 == 0)
        text = QStringLiteral("整");
    bool zeroPending = false, yuanWritten = false, sectionUnitWritten = false;
    for (int i = 0; n > 0; ++i, n /= 10) {
        int d = static_cast<int>(n % 10);
        if (i == 6 || i == 10)
            sectionUnitWritten = false;
        if (d == 0) {
            if (zeroPending) {
                text.prepend(digits[0]);
                zeroPending = false;
            }
            continue;
        }
        if (i < 2) {
            text.prepend(i == 0 ? QStringLiteral("分") : QStringLiteral("角"));
        } else {
            if (!yuanWritten) {
                text.prepend(QStringLiteral("元"));
                yuanWritten = true;
            }
            if (!sectionUnitWritten && i >= 6) {
                if (i > 6 && i < 10)
                    text.prepend(QStringLiteral("万"));
                else if (i > 10)
                    text.prepend(QStringLiteral("亿"));
                sectionUnitWritten = true;
            }
            if (i > 2)
                text.prepend(units[i - 3]);
        }
        text.prepend(digits[d]);
        zeroPending = true;
    }
    if (negative)
        text.prepend(QStringLiteral("负"));
    return text;
}
