#include "SectionEntry.h"

#include "AppContext.h"
#include "MainWindow.h"

#include "customers/CustomersPage.h"
#include "products/WarehousePage.h"
#include "query/QueryPage.h"
#include "sales/SalesPage.h"

void SectionEntry::Enter(int position) {
    switch (position) {
    case 1:
        window_.ShowSection(0);
        window_.salesPage()->EnterSection();
        break;
    case 3:
        window_.ShowSection(1);
        window_.warehousePage()->EnterSection();
        break;
    case 5:
        window_.ShowSection(2);
        window_.customersPage()->EnterSection();
        break;
    case 7:
        window_.ShowSection(3);
        window_.queryPage()->EnterSection();
        break;
    case 9: window_.ShowSection(4); break;
    default: break;
    }
}
