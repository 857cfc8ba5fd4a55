#include "UpdateWidget.h"

#include "AppSettings.h"
#include "CRangeSpinBox.h"
#include "StyleTemplates.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

constexpr int kOutOfRangeDays = 7;

} // namespace

CUpdateWidget::CUpdateWidget(QWidget* parent) : QWidget(parent)
{
    m_pGroup = new QGroupBox(this);
    m_pDaysSpin = new CRangeSpinBox(m_pGroup);
    m_pDaysSpin->setObjectName(QStringLiteral("UpdateDays"));
    m_pDaysSpin->setRange(1, 99);
    // As wide as its style needs for two digits and its arrows, at any scale and font.
    m_pDaysSpin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_pAutoCheck = new QCheckBox(this);
    m_pAutoCheck->setObjectName(QStringLiteral("UpdateAuto"));
    m_pAutoCheck->setFocusPolicy(Qt::NoFocus);

    // One parent, so the four buttons exclude each other.
    m_pEveryDay = new QRadioButton(m_pGroup);
    m_pEveryWeek = new QRadioButton(m_pGroup);
    m_pEveryMonth = new QRadioButton(m_pGroup);
    m_pDaysButton = new QRadioButton(m_pGroup);

    // Narrow margins: the days button's text is long and the dialog's width is fixed.
    auto* grid = new QGridLayout(m_pGroup);
    grid->setContentsMargins(ScaledInt(4), ScaledInt(6), ScaledInt(2), ScaledInt(6));
    grid->setHorizontalSpacing(ScaledInt(4));
    grid->addWidget(m_pDaysButton, 0, 0);
    grid->addWidget(m_pDaysSpin, 0, 1);
    auto* periods = new QVBoxLayout;
    periods->addWidget(m_pEveryDay);
    periods->addSpacing(ScaledInt(5));
    periods->addWidget(m_pEveryWeek);
    periods->addSpacing(ScaledInt(5));
    periods->addWidget(m_pEveryMonth);
    periods->addStretch();
    grid->addLayout(periods, 1, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(ScaledInt(2), 0, ScaledInt(2), ScaledInt(9));
    layout->addSpacing(25);
    layout->addWidget(m_pAutoCheck);
    layout->addWidget(m_pGroup);
    layout->addStretch();

    connect(m_pAutoCheck, &QCheckBox::clicked, this, &CUpdateWidget::AutoMaticUpdate);
    connect(m_pDaysButton, &QRadioButton::clicked, this, &CUpdateWidget::normalDayFun);
    connect(m_pEveryDay, &QRadioButton::clicked, this, &CUpdateWidget::everyDayFun);
    connect(m_pEveryWeek, &QRadioButton::clicked, this, &CUpdateWidget::everyWeekFun);
    connect(m_pEveryMonth, &QRadioButton::clicked, this, &CUpdateWidget::ereryMonthFun);

    loadLanguage();
}

void CUpdateWidget::LoadUpdate()
{
    const CAppSettings* settings = GetAppSettings();
    const int choice = settings ? settings->GetAutoUpdate() : 1;
    const int days = settings ? settings->GetUpdateDays() : kOutOfRangeDays;
    m_pDaysSpin->setValue(days <= 0 || days >= 100 ? kOutOfRangeDays : days);

    if (choice <= 0)
    {
        m_pGroup->setEnabled(false);
        m_pAutoCheck->setChecked(false);
        m_pDaysButton->setChecked(true);
    }
    else
    {
        m_pGroup->setEnabled(true);
        m_pAutoCheck->setChecked(true);
        QRadioButton* chosen = nullptr;
        switch (choice)
        {
        case 1:
            chosen = m_pDaysButton;
            break;
        case 2:
            chosen = m_pEveryDay;
            break;
        case 3:
            chosen = m_pEveryWeek;
            break;
        case 4:
            chosen = m_pEveryMonth;
            break;
        default:
            break;
        }
        if (chosen)
        {
            chosen->setChecked(true);
        }
        else
        {
            // An unknown stored choice marks no button; exclusivity would refuse to clear them.
            for (QRadioButton* button : {m_pDaysButton, m_pEveryDay, m_pEveryWeek, m_pEveryMonth})
            {
                button->setAutoExclusive(false);
                button->setChecked(false);
                button->setAutoExclusive(true);
            }
        }
    }
    m_pDaysSpin->setEnabled(m_pDaysButton->isChecked());
}

void CUpdateWidget::SaveUpdate()
{
    CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    if (!m_pAutoCheck->isChecked())
        settings->SetAutoUpdate(0);
    else if (m_pDaysButton->isChecked())
    {
        settings->SetAutoUpdate(1);
        // The value, not the text: a field the user emptied (or left at an unfinished "0")
        // reads as 0 and would run the check at every start; the value stays within 1 to 99.
        settings->SetUpdateDays(m_pDaysSpin->value());
    }
    else if (m_pEveryMonth->isChecked())
        settings->SetAutoUpdate(4);
    else if (m_pEveryDay->isChecked())
        settings->SetAutoUpdate(2);
    else if (m_pEveryWeek->isChecked())
        settings->SetAutoUpdate(3);
}

void CUpdateWidget::loadLanguage()
{
    m_pAutoCheck->setText(tr("Enable automatic update check."));
    m_pEveryDay->setText(tr("Update every day"));
    m_pEveryWeek->setText(tr("Update every week"));
    m_pEveryMonth->setText(tr("Update every month"));
    m_pDaysButton->setText(tr("Number of days between update checks (At least 1 days)"));
}

void CUpdateWidget::AutoMaticUpdate(bool on)
{
    m_pGroup->setEnabled(on);
}

void CUpdateWidget::normalDayFun()
{
    m_pDaysSpin->setEnabled(true);
}

void CUpdateWidget::everyDayFun()
{
    m_pDaysSpin->setEnabled(false);
}

void CUpdateWidget::everyWeekFun()
{
    m_pDaysSpin->setEnabled(false);
}

void CUpdateWidget::ereryMonthFun()
{
    m_pDaysSpin->setEnabled(false);
}
