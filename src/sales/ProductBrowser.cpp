#include "ProductBrowser.h"

#include "app/AppContext.h"
#include "products/ProductSearch.h"
#include "products/ProductTree.h"
#include "ui/ListControl.h"
#include "ui/TreeControl.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void ProductBrowser::LoadSalesBrowser(bool fillList) {
    ProductTree::Load(ctx_, *ui_.tree, *ui_.products, fillList);
    ui_.keyword->setFocus();
}

void ProductBrowser::OnTreeSelection(QTreeWidgetItem* item, bool byMouse) {
    if (byMouse && item)
        ProductTree::ListProductsOf(ctx_, *ui_.products, *item);
}

void ProductBrowser::SearchSalesProducts() { SearchProductList(ctx_, *ui_.keyword, *ui_.products); }

void ProductBrowser::OnProductListClick() {
    const int row = ui_.products->currentRow();
    if (row < 0) {
        ResetSalesEntry();
        return;
    }
    ui_.number->setText(ui_.products->cell(row, 1));
    ui_.name->setText(ui_.products->cell(row, 3));
    ui_.price->setText(ui_.products->cell(row, 4)); // recomputes the amount
}

void ProductBrowser::ResetSalesEntry() {
    ui_.number->clear();
    ui_.name->clear();
    ui_.remark->clear();
    ui_.price->clear();
    ui_.quantity->setText(QStringLiteral("1"));
    ui_.amount->clear();
    ui_.products->setCurrentRow(-1);
    ui_.customer->setCurrentIndex(-1);
    ui_.total->clear();
    ui_.totalCapitals->clear();
    // An exclusive group never lets the last radio go; lift it for the moment.
    ui_.payment->setExclusive(false);
    for (QRadioButton* radio : {ui_.onAccount, ui_.cash, ui_.prepaid})
        radio->setChecked(false);
    ui_.payment->setExclusive(true);
}
