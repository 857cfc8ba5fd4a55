#pragma once

#include <QPushButton>

// A flat text button: no frame, blue text that darkens under the pointer.
class CTextButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CTextButton(QWidget* parent = nullptr);
    ~CTextButton() override;

    // Sets the text; the tooltip repeats it only when it is wider than the button.
    void SetButtonText(const QString& text);
    bool IsHovered() const { return m_bHovered; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_bHovered = false;
};
