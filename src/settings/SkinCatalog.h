#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>

// The 129 window skins, as data: skin k (1..129) is a palette for Qt's
// Fusion style and a name "皮肤_…". Every skin keeps text readable: at least
// 4.5:1 contrast between text and its background.
namespace SkinCatalog {

constexpr int kCount = 129;

// The names, one per skin, in skin-number order, joined by CR LF.
QString NamesText();
QStringList Names();
// The palette of skin n (1..kCount); the default palette for other numbers.
QPalette Palette(int n);

// WCAG contrast ratio of two colours (1 to 21).
double ContrastRatio(const QColor& a, const QColor& b);

} // namespace SkinCatalog
