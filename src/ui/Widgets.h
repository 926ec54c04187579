#pragma once

#include <QString>

#include <initializer_list>

class QCheckBox;
class QDate;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Small builders the pages share: controls carry their design names.
namespace Widgets {

QPushButton* Button(const QString& name, const QString& caption);
QCheckBox* CheckBox(const QString& name, const QString& caption);
// An empty label named for the program to fill.
QLabel* NamedLabel(const QString& name, const QString& text = {});
// A caption that never changes.
QLabel* Caption(const QString& text);
QDateEdit* DatePicker(const QString& name, const QDate& date);
// The widgets side by side.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets);
// A field followed by its unit text, as one widget.
QWidget* WithUnit(QWidget* field, const QString& unit);

} // namespace Widgets
