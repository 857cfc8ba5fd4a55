#pragma once

#include <QImage>
#include <QStatusBar>

// The main window's status bar: shows the product logo centred whenever it has no message.
class CStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit CStatusBar(QWidget* parent = nullptr);
    ~CStatusBar() override;

    const QImage& Logo() const { return m_logo; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_logo;
};
