#include "TreeControl.h"

#include <QMouseEvent>

namespace {
constexpr int kValueRole = Qt::UserRole + 1;
}

TreeControl::TreeControl(const QString& name, QWidget* parent) : QTreeWidget(parent) {
    setObjectName(name);
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        emit selectionChangedBy(selectedItem(), mouseActive_);
    });
}

QTreeWidgetItem* TreeControl::addItem(QTreeWidgetItem* parent, const QString& text, int image, qint64 value) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, kValueRole, value);
    if (image >= 0 && image < images_.size())
        item->setIcon(0, images_[image]);
    return item;
}

qint64 TreeControl::itemValue(const QTreeWidgetItem* item) {
    return item ? item->data(0, kValueRole).toLongLong() : 0;
}

QTreeWidgetItem* TreeControl::selectedItem() const {
    QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QList<QTreeWidgetItem*> TreeControl::rootItems() const {
    QList<QTreeWidgetItem*> roots;
    for (int i = 0; i < topLevelItemCount(); ++i)
        roots << topLevelItem(i);
    return roots;
}

void TreeControl::clearTree() {
    // Emptying the tree is no selection by the operator.
    bool wasMouse = mouseActive_;
    mouseActive_ = false;
    clear();
    mouseActive_ = wasMouse;
}

void TreeControl::mousePressEvent(QMouseEvent* event) {
    mouseActive_ = true;
    QTreeWidget::mousePressEvent(event);
    mouseActive_ = false;
}
