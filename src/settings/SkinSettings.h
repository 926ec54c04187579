#pragma once

#include "SettingsControls.h"

#include <QString>

class AppContext;
class SkinEngine;

// The 皮肤设置 group: the skin list, switching the skin off, and storing the choice.
class SkinSettings {
public:
    SkinSettings(AppContext& ctx, const SettingsControls& ui, SkinEngine& engine)
        : ctx_(ctx), ui_(ui), engine_(engine) {}

    void Fill();
    // Left-button click in the skin list (a row, or empty space for none).
    void OnSkinListClick();
    void OnSkinOff();
    void StoreSkinSetting(const QString& text);

private:
    AppContext& ctx_;
    const SettingsControls& ui_;
    SkinEngine& engine_;
};
