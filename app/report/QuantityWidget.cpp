#include "QuantityWidget.h"

#include "Rotation.h"
#include "StyleTemplates.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>

namespace
{
QString FontPx()
{
    return QString::number(ScaledValue(12), 'g', 6);
}
} // namespace

CQuantityWidget::CQuantityWidget(int count, QWidget* parent) : QWidget(parent)
{
    // A count, a tick or a turning picture: nothing to mirror. The badge column reaches a little
    // past the tree's edge (the right one, or the left one in right-to-left): the badge keeps clear
    // of that side.
    setLayoutDirection(Qt::LeftToRight);
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(rightToLeft ? ScaledInt(5) : 0, ScaledInt(9), rightToLeft ? 0 : ScaledInt(5),
                               ScaledInt(9));
    layout->setSpacing(0);

    m_pStack = new QStackedWidget(this);
    m_pCount = new QLabel(m_pStack);
    m_pCount->setAlignment(Qt::AlignCenter);
    m_pCount->setStyleSheet(
        QStringLiteral("QLabel{background-color: #94a9c8; color: #ffffff; border-radius: 9; font: %1px}")
            .arg(FontPx()));

    m_pFinished = new QLabel(m_pStack);
    m_pFinished->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pFinished->setPixmap(
        QPixmap(QStringLiteral(":/res/res/win/list/complete.png"))
            .scaled(ScaledInt(16), ScaledInt(16), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    m_pBusy =
        new CRotation(QStringLiteral(":res/res/win/list/fixing.png"), ScaledInt(16), ScaledInt(16), m_pStack);

    m_pStack->addWidget(m_pCount);
    m_pStack->addWidget(m_pFinished);
    m_pStack->addWidget(m_pBusy);
    layout->addWidget(m_pStack);
    layout->addStretch();
    SetCount(count);
}

CQuantityWidget::~CQuantityWidget() = default;

void CQuantityWidget::SetCount(int n)
{
    const QString text = QString::number(n);
    m_pCount->setText(text);
    m_pStack->setFixedWidth(ScaledInt(5 * text.size() + 20));
}

void CQuantityWidget::SetPage(int page)
{
    if (page >= 0 && page < m_pStack->count())
        m_pStack->setCurrentIndex(page);
}

int CQuantityWidget::GetPage() const
{
    return m_pStack->currentIndex();
}

void CQuantityWidget::SetSpinning(bool on)
{
    if (on)
        m_pBusy->Start();
    else
        m_pBusy->Stop();
}

bool CQuantityWidget::IsSpinning() const
{
    return m_pBusy->IsRunning();
}

void CQuantityWidget::SetSelected(bool selected)
{
    const QString sheet =
        selected ? QStringLiteral(
                       "QLabel{background-color: #FFFFFF; color: #000000; border-radius: 7; font: %1px}")
                 : QStringLiteral(
                       "QLabel{background-color: #94a9c8; color: #ffffff; border-radius: 7; font: %1px}");
    m_pCount->setStyleSheet(sheet.arg(FontPx()));
}
