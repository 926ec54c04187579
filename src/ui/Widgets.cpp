#include "Widgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace Widgets {

QPushButton* Button(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

QCheckBox* CheckBox(const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption);
    c->setObjectName(name);
    return c;
}

QLabel* NamedLabel(const QString& name, const QString& text) {
    auto* l = new QLabel(text);
    l->setObjectName(name);
    l->setMinimumWidth(70);
    return l;
}

QLabel* Caption(const QString& text) { return new QLabel(text); }

QDateEdit* DatePicker(const QString& name, const QDate& date) {
    auto* d = new QDateEdit(date);
    d->setObjectName(name);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return d;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    return layout;
}

QWidget* WithUnit(QWidget* field, const QString& unit) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, 1);
    row->addWidget(new QLabel(unit));
    return box;
}

} // namespace Widgets
