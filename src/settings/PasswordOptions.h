#pragma once

#include "SettingsControls.h"

class AppContext;

// The 密码设置 group: the one access password and the four flags saying
// where it is asked. Saved changes take effect at the next start.
class PasswordOptions {
public:
    PasswordOptions(AppContext& ctx, const SettingsControls& ui) : ctx_(ctx), ui_(ui) {}

    void Fill();
    void SavePassword();
    void EnablePasswords();
    void DisablePasswords();

private:
    enum class Mode { Enable, Disable };
    void SaveSettingsRecord(Mode mode);
    void setGroupEnabled(bool enabled);

    AppContext& ctx_;
    const SettingsControls& ui_;
};
