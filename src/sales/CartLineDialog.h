#pragma once

#include <QDialog>

class AppContext;
class ListControl;
class QLabel;
class QLineEdit;

// "  修改选中项目内容：": edits price, quantity and remark of one cart line,
// with the same refusals as adding to the cart. "确定修改" writes the line
// back (amount recomputed, the listed remaining stock moved by the change);
// "取消关闭" leaves it as it was.
class CartLineDialog : public QDialog {
    Q_OBJECT

public:
    CartLineDialog(AppContext& ctx, ListControl& cart, int line, ListControl& products, QWidget* owner);

    void Confirm();

private:
    void updateAmount();

    AppContext& ctx_;
    ListControl& cart_;
    const int line_;
    ListControl& products_;
    QLabel* number_;
    QLabel* name_;
    QLabel* amount_;
    QLineEdit* capitals_;
    QLineEdit* price_;
    QLineEdit* quantity_;
    QLineEdit* remark_;
};
