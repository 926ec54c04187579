#pragma once

class AppContext;
class ListControl;
class QLineEdit;

// The keyword search over products that both product lists offer: a product
// matches when the keyword, exactly as typed, occurs in its number, name or
// remark (case-sensitive).
void SearchProductList(AppContext& ctx, const QLineEdit& keyword, ListControl& list);
