#include "CRangeSpinBox.h"

#include "CRangeValidator.h"

#include <QLineEdit>

CRangeSpinBox::CRangeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    // The box's own editor refuses what validate calls invalid, and says so here.
    connect(lineEdit(), &QLineEdit::inputRejected, this,
            [this] { CRangeValidator::ShowRangeNote(this, minimum(), maximum()); });
}

QValidator::State CRangeSpinBox::validate(QString& input, int& pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    const QString number = input.mid(prefix().size(), input.size() - prefix().size() - suffix().size());
    return state == QValidator::Intermediate && CRangeValidator::IsOutOfReach(number, minimum(), maximum())
               ? QValidator::Invalid
               : state;
}
