#pragma once

#include <QString>

// An amount in yuan written out in Chinese capital numerals, as on receipts:
// 1234567.89 → 壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分. "溢出" beyond
// 9999999999999.99 yuan, and for NaN and infinities.
QString MoneyToCapitals(double value, bool simplified = false);

// The largest amount the capitals can write. Amounts are kept within it, so no
// stored amount or total ever reads "inf" or "nan".
inline constexpr double kLargestAmount = 9999999999999.99;
bool IsAmountInRange(double value);
inline const QString kAmountOutOfRange = QStringLiteral("金额超出范围，最大为 9999999999999.99 元！");
