#pragma once

#include <QWidget>

class CRotation;
class QLabel;
class QStackedWidget;

// The badge beside a category of the report page: page 0 the count, 1 the finished mark, 2 the
// spinning busy picture. GUI thread.
class CQuantityWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CQuantityWidget(int count, QWidget* parent = nullptr);
    ~CQuantityWidget() override;

    // Shows n; the badge grows with the number of digits.
    void SetCount(int n);
    void SetPage(int page);
    int GetPage() const;
    void SetSpinning(bool on);
    bool IsSpinning() const;
    // The current category shows a white badge.
    void SetSelected(bool selected);

    QLabel* CountLabel() const { return m_pCount; }
    QStackedWidget* Stack() const { return m_pStack; }

private:
    QStackedWidget* m_pStack = nullptr;
    QLabel* m_pCount = nullptr;
    QLabel* m_pFinished = nullptr;
    CRotation* m_pBusy = nullptr;
};
