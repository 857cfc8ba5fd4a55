#pragma once

#include "CDialog.h"

class QGroupBox;
class QSpinBox;

// The small modal dialog that sets after how many days ("ClearDays", 1 to 99) a dated
// sub-folder of the recycle folder is cleared. Only "OK" stores; it is built anew each time.
class CHistoryOptWidget : public CDialog
{
    Q_OBJECT

public:
    explicit CHistoryOptWidget(QWidget* parent = nullptr);

public slots:
    void Save();

private:
    QSpinBox* m_pDays = nullptr;
    QGroupBox* m_pGroup = nullptr;
};
