#pragma once

#include <QString>

// An amount in yuan written out in Chinese capital numerals, as on receipts:
// 1234567.89 → 壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分. "溢出" beyond
// 9999999999999.99 yuan, and for NaN and infinities.
QString MoneyToCapitals(double value, bool simplified = false);
