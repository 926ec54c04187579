#include "OutlookBar.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

OutlookBar::OutlookBar(const QString& name, QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this)) {
    setObjectName(name);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(1);
}

int OutlookBar::addGroup(const QString& title) {
    int index = groupCount();
    auto* button = new QPushButton(title, this);
    auto* items = new QListWidget(this);
    items->setViewMode(QListView::ListMode);
    items->viewport()->installEventFilter(this);
    button->installEventFilter(this);
    layout_->addWidget(button);
    layout_->addWidget(items, 1);
    groups_.push_back({button, items});
    connect(button, &QPushButton::clicked, this, [this, index] { setCurrentGroup(index); });
    connect(items, &QListWidget::itemClicked, this,
            [this, index, items](QListWidgetItem* item) { emit itemClicked(index, items->row(item)); });
    setCurrentGroup(current_ < 0 ? 0 : current_);
    return index;
}

void OutlookBar::addItem(int group, const QString& text, const QIcon& icon) {
    if (group >= 0 && group < groupCount())
        new QListWidgetItem(icon, text, groups_[group].items);
}

int OutlookBar::itemCount(int group) const {
    return group >= 0 && group < groupCount() ? groups_[group].items->count() : 0;
}

void OutlookBar::setCurrentGroup(int group) {
    if (group < 0 || group >= groupCount())
        return;
    current_ = group;
    for (int i = 0; i < groupCount(); ++i)
        groups_[i].items->setVisible(i == group);
}

int OutlookBar::currentItem() const {
    if (current_ < 0)
        return -1;
    return groups_[current_].items->currentRow();
}

void OutlookBar::setCurrentItem(int group, int item) {
    if (group < 0 || group >= groupCount())
        return;
    setCurrentGroup(group);
    QListWidget* items = groups_[group].items;
    if (item < 0 || item >= items->count()) {
        items->setCurrentRow(-1);
        items->clearSelection();
    } else {
        items->setCurrentRow(item);
    }
}

QString OutlookBar::groupTitle(int group) const {
    return group >= 0 && group < groupCount() ? groups_[group].button->text() : QString();
}

QString OutlookBar::itemText(int group, int item) const {
    if (group < 0 || group >= groupCount() || item < 0 || item >= itemCount(group))
        return {};
    return groups_[group].items->item(item)->text();
}

void OutlookBar::clear() {
    for (Group& g : groups_) {
        delete g.button;
        delete g.items;
    }
    groups_.clear();
    current_ = -1;
}

void OutlookBar::clickItem(int group, int item) {
    if (group < 0 || group >= groupCount() || item < 0 || item >= itemCount(group))
        return;
    emit pressed();
    setCurrentGroup(group);
    groups_[group].items->setCurrentRow(item);
    emit itemClicked(group, item);
}

bool OutlookBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit pressed();
    return QWidget::eventFilter(watched, event);
}
