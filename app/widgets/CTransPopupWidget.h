#pragma once

#include <QFrame>

// A transparent frameless pop-up: only its children are visible, and it hides itself as soon as
// it loses the focus. Base of the candidate-artwork list.
class CTransPopupWidget : public QFrame
{
    Q_OBJECT

public:
    explicit CTransPopupWidget(QWidget* parent = nullptr);
    ~CTransPopupWidget() override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
