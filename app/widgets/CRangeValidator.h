#pragma once

#include <QIntValidator>

class QLineEdit;
class QWidget;

// A whole number from bottom to top, refused at the keystroke once no further digit can bring it
// into range ("0" for a port, "65536"), where QIntValidator would keep it as unfinished input.
// A refused keystroke is not silent: a note beside the field gives the range.
class CRangeValidator : public QIntValidator
{
    Q_OBJECT

public:
    CRangeValidator(int bottom, int top, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // Whether text is a plain number that no digits typed behind it can bring into bottom..top.
    // Empty text and anything but digits are not (they are the validator's business).
    static bool IsOutOfReach(const QString& text, int bottom, int top);
    // Sets the validator on edit and tells the user the range whenever it refuses a keystroke.
    static void Guard(QLineEdit* edit, int bottom, int top);
    // The note: a tool tip under field.
    static void ShowRangeNote(QWidget* field, int bottom, int top);
};
