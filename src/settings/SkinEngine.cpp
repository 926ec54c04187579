#include "SkinEngine.h"

#include "SkinCatalog.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

SkinEngine::SkinEngine() = default;

SkinEngine::~SkinEngine() = default;

void SkinEngine::prepare() {
    // Remember the look the program started with, for SkinDetach.
    originalStyle_ = QApplication::style()->name();
    originalPalette_ = QApplication::palette();
    loaded_ = true;
}

void SkinEngine::ApplySkin(int n, int h, int s) {
    if (n < 1 || n > SkinCatalog::kCount)
        return;
    if (!loaded_)
        prepare();
    SkinAttach(n);
    SkinAdjustHSV(std::clamp(h, -180, 180), std::clamp(s, -100, 100));
}

void SkinEngine::SkinAttach(int n) {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(SkinCatalog::Palette(n));
    attached_ = n;
}

void SkinEngine::SkinAdjustHSV(int h, int s) {
    if (h == 0 && s == 0)
        return; // colours as the skin defines them
    QPalette palette = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            auto g = static_cast<QPalette::ColorGroup>(group);
            auto r = static_cast<QPalette::ColorRole>(role);
            QColor c = palette.color(g, r).toHsl();
            int hue = c.hslHue() < 0 ? 0 : (c.hslHue() + h + 360) % 360;
            int saturation = std::clamp(c.hslSaturation() + s * 255 / 100, 0, 255);
            palette.setColor(g, r, QColor::fromHsl(hue, saturation, c.lightness(), c.alpha()));
        }
    }
    QApplication::setPalette(palette);
}

void SkinEngine::SkinDetach() {
    if (!loaded_)
        return;
    if (QStyle* original = QStyleFactory::create(originalStyle_))
        QApplication::setStyle(original);
    QApplication::setPalette(originalPalette_);
    attached_ = 0;
}
