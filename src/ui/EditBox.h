#pragma once

#include <QLineEdit>

// The five input modes of the window design's edit boxes.
enum class EditMode { Normal, ReadOnly, Password, Integer, Decimal };

// An edit box that accepts only what code page 936 can hold (so every stored
// text round-trips exactly), in the given input mode.
QLineEdit* MakeEditBox(const QString& name, EditMode mode = EditMode::Normal, QWidget* parent = nullptr);
