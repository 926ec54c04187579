#include "SkinCatalog.h"

#include <QColor>

#include <cmath>

namespace SkinCatalog {

namespace {

// 43 colours × 3 tones (light, standard, dark) = 129 skins.
struct Colour {
    const char16_t* name;
    int hue;        // 0..359
    int saturation; // 0..255; 0 for the greys
};

const Colour kColours[] = {
    {u"朱红", 5, 200},    {u"橙红", 18, 200},   {u"橘黄", 30, 210},   {u"杏黄", 40, 190},   {u"金黄", 48, 210},
    {u"柠檬", 56, 200},   {u"嫩绿", 75, 170},   {u"草绿", 95, 160},   {u"翠绿", 120, 170},  {u"碧绿", 140, 160},
    {u"青绿", 160, 160},  {u"松石", 172, 150},  {u"湖蓝", 185, 160},  {u"天蓝", 198, 180},  {u"海蓝", 210, 190},
    {u"宝蓝", 222, 200},  {u"靛青", 235, 170},  {u"藏青", 228, 120},  {u"紫罗兰", 265, 150}, {u"葡萄", 280, 140},
    {u"丁香", 290, 110},  {u"品红", 305, 170},  {u"玫红", 325, 180},  {u"桃红", 340, 170},  {u"胭脂", 350, 150},
    {u"酒红", 355, 120},  {u"砖红", 12, 130},   {u"赭石", 25, 120},   {u"咖啡", 28, 90},    {u"驼色", 35, 80},
    {u"沙色", 42, 70},    {u"米色", 45, 50},    {u"象牙", 50, 35},    {u"橄榄", 65, 110},   {u"苔绿", 85, 80},
    {u"墨绿", 150, 90},   {u"石青", 200, 70},   {u"钢灰", 210, 30},   {u"银灰", 0, 0},      {u"炭灰", 30, 10},
    {u"烟灰", 240, 12},   {u"月白", 215, 25},   {u"素白", 60, 6},
};
static_assert(sizeof kColours / sizeof kColours[0] * 3 == kCount);

const char16_t* const kTones[] = {u"浅", u"", u"深"};

double channel(double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// A text colour on background: the tinted one when it reads well enough, else black or white.
QColor readableOn(const QColor& background, const QColor& tinted) {
    if (ContrastRatio(background, tinted) >= 4.5)
        return tinted;
    return ContrastRatio(background, Qt::black) >= ContrastRatio(background, Qt::white) ? QColor(Qt::black)
                                                                                       : QColor(Qt::white);
}

QColor hsl(int hue, int saturation, double lightness) {
    return QColor::fromHsl(hue, std::clamp(saturation, 0, 255), std::clamp(int(std::lround(lightness * 255)), 0, 255));
}

QPalette build(const Colour& colour, int tone) {
    const int h = colour.hue;
    const int s = colour.saturation;
    const bool dark = tone == 2;
    // Light and standard skins: pale surfaces, dark text; dark skins: the reverse.
    const double surface = tone == 0 ? 0.94 : tone == 1 ? 0.86 : 0.17;
    const QColor window = hsl(h, s * (tone == 1 ? 5 : 3) / 10, surface);
    const QColor base = dark ? hsl(h, s / 5, 0.11) : hsl(h, s / 6, 0.985);
    const QColor button = dark ? hsl(h, s * 3 / 10, 0.24) : hsl(h, s * 4 / 10, surface - 0.07);
    const QColor highlight = dark ? hsl(h, s, 0.62) : hsl(h, s, 0.34);
    const QColor tooltip = dark ? hsl(h, s / 4, 0.28) : hsl(h, s / 4, 0.92);
    const QColor tintedText = dark ? hsl(h, s / 6, 0.94) : hsl(h, s / 3, 0.10);

    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, readableOn(window, tintedText));
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, dark ? base.lighter(130) : base.darker(104));
    p.setColor(QPalette::Text, readableOn(base, tintedText));
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, readableOn(button, tintedText));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, readableOn(highlight, dark ? QColor(Qt::black) : QColor(Qt::white)));
    p.setColor(QPalette::ToolTipBase, tooltip);
    p.setColor(QPalette::ToolTipText, readableOn(tooltip, tintedText));
    p.setColor(QPalette::PlaceholderText, dark ? hsl(h, s / 6, 0.65) : hsl(h, s / 6, 0.40));
    p.setColor(QPalette::BrightText, dark ? QColor(Qt::white) : QColor(Qt::red));
    p.setColor(QPalette::Link, dark ? hsl(h, 200, 0.75) : hsl(h, 200, 0.30));
    p.setColor(QPalette::Light, button.lighter(150));
    p.setColor(QPalette::Midlight, button.lighter(115));
    p.setColor(QPalette::Mid, button.darker(130));
    p.setColor(QPalette::Dark, button.darker(200));
    p.setColor(QPalette::Shadow, Qt::black);
    const QColor disabled = dark ? hsl(h, s / 8, 0.55) : hsl(h, s / 8, 0.50);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QStringList Names() {
    QStringList names;
    for (const Colour& c : kColours)
        for (const char16_t* tone : kTones)
            names << QStringLiteral("皮肤_") + QString::fromUtf16(tone) + QString::fromUtf16(c.name);
    return names;
}

QString NamesText() { return Names().join(QStringLiteral("\r\n")); }

QPalette Palette(int n) {
    if (n < 1 || n > kCount)
        return {};
    const int index = n - 1;
    return build(kColours[index / 3], index % 3);
}

} // namespace SkinCatalog
