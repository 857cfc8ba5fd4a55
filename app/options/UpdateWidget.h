#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;

// The Update page of the preferences: whether the automatic update check runs and how often
// ("Auto_update", "Update_Days"). The date of the last check is start-up's business. GUI thread.
class CUpdateWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CUpdateWidget(QWidget* parent = nullptr);

    void LoadUpdate();
    void SaveUpdate();
    void loadLanguage();

public slots:
    void AutoMaticUpdate(bool on);
    void normalDayFun();
    void everyDayFun();
    void everyWeekFun();
    void ereryMonthFun();

private:
    QSpinBox* m_pDaysSpin = nullptr;
    QCheckBox* m_pAutoCheck = nullptr;
    QRadioButton* m_pEveryDay = nullptr;
    QRadioButton* m_pEveryWeek = nullptr;
    QRadioButton* m_pEveryMonth = nullptr;
    QRadioButton* m_pDaysButton = nullptr;
    QGroupBox* m_pGroup = nullptr;
};
