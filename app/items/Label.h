#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

// The count badge of a list header: a pill drawn from three shared images with the text centred.
class CLabel : public QWidget
{
    Q_OBJECT

public:
    explicit CLabel(QWidget* parent = nullptr);

    // Stores the text, fits the width to it and repaints.
    void SetText(const QString& text);
    QString Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QFont m_font;
    QColor m_color{"#34567a"};
};
