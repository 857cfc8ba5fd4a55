#pragma once

#include <QSpinBox>

// A spin box that refuses a typed number out of its range at the keystroke, with a note that
// gives the range, instead of putting its old value back when it loses the focus.
class CRangeSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit CRangeSpinBox(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
};
