#pragma once

#include <QLabel>

// A link label, 300 x scale wide: shows its text underlined in link blue (shortened in the middle
// with "..." and the full text as tooltip when it does not fit) and opens its address on a click.
class CLabelPress : public QLabel
{
    Q_OBJECT

public:
    CLabelPress(const QString& address, const QString& text, QWidget* parent = nullptr);
    ~CLabelPress() override;

    QString Address() const { return m_strAddress; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_strAddress;
};
