#pragma once

#include <QFrame>
#include <QPixmap>

class QPainter;

// A transparent frameless pop-up: only its children are visible, and it hides itself as soon as
// it loses the focus. Base of the candidate-artwork list.
//
// On X11 without a compositing manager the transparent parts of a translucent window come out
// black; there the screen under the pop-up is taken when it is shown and painted behind
// everything, so it looks as it does over a compositor (for as long as what lies under it does
// not change).
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
    void showEvent(QShowEvent* event) override;
    // Paints the screen taken at show time over the whole pop-up; nothing when the window system
    // composes translucent windows. Subclasses that paint call it first.
    void PaintBackdrop(QPainter& painter) const;

private:
    QPixmap m_backdrop;
};
