#include "HistoryOptWidget.h"

#include "AppSettings.h"
#include "CRangeSpinBox.h"
#include "StyleTemplates.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CHistoryOptWidget::CHistoryOptWidget(QWidget* parent) : CDialog(parent)
{
    setObjectName(QStringLiteral("HistoryOptName"));
    SetFixedSize(ScaledInt(520), ScaledInt(200));

    m_pDays = new CRangeSpinBox(this);
    m_pGroup = new QGroupBox(this);
    m_pGroup->setObjectName(QStringLiteral("HistoryOptGroup"));
    m_pGroup->setFixedHeight(ScaledInt(60));
    m_pDays->setMinimumWidth(ScaledInt(56));
    m_pDays->setMaximumWidth(ScaledInt(56));
    m_pDays->setRange(1, 99);

    auto* groupRow = new QHBoxLayout(m_pGroup);
    groupRow->setSpacing(0);
    auto* before =
        new QLabel(tr("Automatically clear the duplicates removal history that exists over"), m_pGroup);
    // The dialog has a fixed width: a wider font than the one it was drawn for wraps the text
    // instead of cutting it off.
    before->setWordWrap(true);
    groupRow->addWidget(before, 1);
    // A little air on both sides of the days box: the texts never touch its frame.
    groupRow->addSpacing(ScaledInt(4));
    groupRow->addWidget(m_pDays);
    groupRow->addSpacing(ScaledInt(4));
    auto* unit = new QLabel(m_pGroup);
    unit->setObjectName(QStringLiteral("HistoryOptDays"));
    groupRow->addWidget(unit);
    groupRow->addStretch();

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("HistoryCancel"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("HistoryOK"));
    for (QPushButton* button : {cancel, ok})
    {
        button->setStyleSheet(ImageButtonStyle(button->objectName(), QStringLiteral("button"),
                                               ScaledValue(84), ScaledValue(24), "#000000", ScaledValue(12)));
    }
    SetKeyboardButtons({ok, cancel});
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addStretch();
    buttonRow->addWidget(cancel);
    buttonRow->addWidget(ok);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(ScaledInt(25), ScaledInt(15), ScaledInt(25), ScaledInt(15));
    content->setSpacing(ScaledInt(20));
    content->addSpacing(ScaledInt(25));
    content->addWidget(m_pGroup);
    content->addLayout(buttonRow);
    content->addStretch();
    AddLayout(content);

    connect(ok, &QPushButton::clicked, this, &CHistoryOptWidget::Save);
    connect(cancel, &QPushButton::clicked, this, &CHistoryOptWidget::close);
    // The unit agrees with the number in front of it ("1 day", "2 days"; three forms in Russian).
    connect(m_pDays, &QSpinBox::valueChanged, unit,
            [unit](int value) { unit->setText(tr("day(s).", "after the number of days", value)); });

    const CAppSettings* settings = GetAppSettings();
    const int days = settings ? settings->GetClearDays() : 7;
    m_pDays->setValue(days <= 0 || days >= 100 ? 7 : days);
    unit->setText(tr("day(s).", "after the number of days", m_pDays->value()));
}

void CHistoryOptWidget::Save()
{
    if (CAppSettings* settings = GetAppSettings())
        settings->SetClearDays(m_pDays->value());
    close();
}
