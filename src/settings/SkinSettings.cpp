#include "SkinSettings.h"

#include "SettingsRecord.h"
#include "SkinEngine.h"

#include "app/AppContext.h"
#include "ui/ListControl.h"
#include "util/TextForms.h"

#include <QLineEdit>
#include <QRadioButton>

void SkinSettings::Fill() {
    ui_.skins->clearRows();
    for (const QString& name : ui_.skinNames->text().split(QStringLiteral("\r\n")))
        ui_.skins->addRow({name});
    const QString skin = ctx_.settings.skin;
    ui_.skinOff->setChecked(skin.isEmpty());
    ui_.skinOn->setChecked(!skin.isEmpty());
    if (!skin.isEmpty()) {
        // Selecting from the program neither applies nor stores the skin again.
        const int row = static_cast<int>(TextForms::toNumber(skin)) - 1;
        ui_.skins->setCurrentRow(row < ui_.skins->rowCount() ? row : -1);
        ui_.skins->scrollToRow(row);
    }
}

void SkinSettings::OnSkinListClick() {
    const int n = ui_.skins->currentRow() + 1; // 0 when no row is selected
    engine_.ApplySkin(n, 0, 0);
    StoreSkinSetting(QString::number(n));
}

void SkinSettings::OnSkinOff() {
    if (engine_.loaded())
        engine_.SkinDetach();
    StoreSkinSetting(QString());
}

void SkinSettings::StoreSkinSetting(const QString& text) { SettingsRecord::Write(ctx_, {{QStringLiteral("皮肤"), text}}); }
