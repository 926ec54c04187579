#include "EditBox.h"

#include "util/Gbk.h"

#include <QValidator>

namespace {

class EditBoxValidator : public QValidator {
public:
    EditBoxValidator(EditMode mode, QObject* parent) : QValidator(parent), mode_(mode) {}

    State validate(QString& input, int&) const override {
        if (!Gbk::canEncode(input))
            return Invalid;
        if (mode_ == EditMode::Integer || mode_ == EditMode::Decimal) {
            for (QChar c : input) {
                bool allowed = c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+') ||
                               (mode_ == EditMode::Decimal && c == QLatin1Char('.'));
                if (!allowed)
                    return Invalid;
            }
        }
        return Acceptable;
    }

private:
    EditMode mode_;
};

} // namespace

QLineEdit* MakeEditBox(const QString& name, EditMode mode, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new EditBoxValidator(mode, edit));
    if (mode == EditMode::ReadOnly)
        edit->setReadOnly(true);
    if (mode == EditMode::Password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}
