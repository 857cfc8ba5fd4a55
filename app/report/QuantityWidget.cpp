#include "QuantityWidget.h"

#include "Rotation.h"
#include "StyleTemplates.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>

namespace
{
// The count is white on blue, or black on white for the current category; the badge is a pill:
// its ends are half circles of half its height.
QString CountSheet(bool selected)
{
    return QStringLiteral("QLabel{background-color: %1; color: %2; border-radius: %3px}")
        .arg(selected ? QStringLiteral("#ffffff") : QStringLiteral("#94a9c8"),
             selected ? QStringLiteral("#000000") : QStringLiteral("#ffffff"),
             QString::number(ScaledValue(9), 'g', 6));
}
} // namespace

CQuantityWidget::CQuantityWidget(int count, QWidget* parent) : QWidget(parent)
{
    // A count, a tick or a turning picture: nothing to mirror. The badge sits beside its title
    // (after it in left-to-right, before it in right-to-left) and keeps a margin on both sides,
    // so it stays clear of the tree's edge; the page makes the badge column as wide as its widest
    // badge with these margins.
    setLayoutDirection(Qt::LeftToRight);
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(ScaledInt(6), ScaledInt(9), ScaledInt(6), ScaledInt(9));
    layout->setSpacing(0);

    m_pStack = new QStackedWidget(this);
    m_pCount = new QLabel(m_pStack);
    m_pCount->setAlignment(Qt::AlignCenter);
    QFont font = m_pCount->font();
    font.setPixelSize(qMax(1, qRound(ScaledValue(12))));
    m_pCount->setFont(font);
    m_pCount->setStyleSheet(CountSheet(false));

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
    if (rightToLeft)
        layout->addStretch();
    layout->addWidget(m_pStack);
    if (!rightToLeft)
        layout->addStretch();
    SetCount(count);
}

CQuantityWidget::~CQuantityWidget() = default;

void CQuantityWidget::SetCount(int n)
{
    const QString text = QString::number(n);
    m_pCount->setText(text);
    // The digits with a half circle of the badge's height at each end.
    const int height = ScaledInt(36) - 2 * ScaledInt(9);
    m_pStack->setFixedWidth(
        qMax(ScaledInt(16), QFontMetrics(m_pCount->font()).horizontalAdvance(text) + height));
    updateGeometry();
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
    m_pCount->setStyleSheet(CountSheet(selected));
}
