#include "CRangeValidator.h"

#include <QLineEdit>
#include <QToolTip>

#include <algorithm>

CRangeValidator::CRangeValidator(int bottom, int top, QObject* parent) : QIntValidator(bottom, top, parent) {}

QValidator::State CRangeValidator::validate(QString& input, int& pos) const
{
    const State state = QIntValidator::validate(input, pos);
    return state == Intermediate && IsOutOfReach(input, bottom(), top()) ? Invalid : state;
}

bool CRangeValidator::IsOutOfReach(const QString& text, int bottom, int top)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return false;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    if (!ok || value > top)
        return true;
    if (value >= bottom)
        return false;
    // Below the range: more digits help only behind a number that is not written with a
    // leading zero, and only while it stays within top.
    return digits.startsWith(QLatin1Char('0')) || value * 10 > top;
}

void CRangeValidator::Guard(QLineEdit* edit, int bottom, int top)
{
    edit->setValidator(new CRangeValidator(bottom, top, edit));
    QObject::connect(edit, &QLineEdit::inputRejected, edit,
                     [edit, bottom, top] { ShowRangeNote(edit, bottom, top); });
}

void CRangeValidator::ShowRangeNote(QWidget* field, int bottom, int top)
{
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                       tr("Enter a number from %1 to %2.").arg(bottom).arg(top), field);
}
