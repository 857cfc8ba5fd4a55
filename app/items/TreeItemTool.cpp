#include "TreeItemTool.h"

#include "AppGlobals.h"
#include "Label.h"
#include "StyleTemplates.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

CTreeItemTool::CTreeItemTool(const QString& title, int listId, QWidget* parent)
    : QWidget(parent), m_listId(listId), m_pCount(new CLabel(this)), m_pTitle(new QLabel(this)),
      m_pSkip(new QPushButton(this)), m_background(":/res/res/win/list/list_title.png")
{
    m_pTitle->setStyleSheet(QString("QLabel {font:%1px bold;color:#34567a;}").arg(14 * g_dScale, 0, 'g', 6));
    SetTitle(title);

    m_pSkip->setObjectName("too_skip");
    m_pSkip->setText(tr("Skip"));
    m_pSkip->setFixedWidth(ScaledInt(100));
    m_pSkip->hide();
    connect(m_pSkip, &QPushButton::clicked, this, &CTreeItemTool::Skip);

    auto* inner = new QHBoxLayout;
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(0);
    inner->addWidget(m_pTitle, 0, Qt::AlignBottom);
    inner->addSpacing(5);
    inner->addSpacing(40);
    inner->addStretch();

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(ScaledInt(10), ScaledInt(4), ScaledInt(10), 0);
    outer->setSpacing(0);
    outer->addLayout(inner);
    outer->addStretch();
    outer->addWidget(m_pSkip, 0, Qt::AlignVCenter);

    if (!m_background.isNull())
        setFixedHeight(m_background.height());
}

void CTreeItemTool::SetTitle(const QString& title)
{
    m_pTitle->setText(title);
    m_titleWidth = fontMetrics().horizontalAdvance(title);
    m_pTitle->setFixedWidth(static_cast<int>((m_titleWidth + 20) * g_dScale));
    update();
}

void CTreeItemTool::ShowSkip(bool show)
{
    m_pSkip->setVisible(show);
}

void CTreeItemTool::SetSkipText(const QString& text)
{
    m_pSkip->setText(text);
    m_pSkip->setObjectName("failed_fix");
}

void CTreeItemTool::SetCount(int count)
{
    m_pCount->SetText(QString::number(count));
    m_pCount->move(m_pTitle->x() + m_titleWidth + 30, 0);
}

void CTreeItemTool::Skip()
{
    emit SkipOperating(m_listId, m_skip);
    if (m_skip == 1)
    {
        m_skip = 0;
        m_pSkip->setText(tr("Cancel Skip"));
    }
    else
    {
        m_skip = 1;
        m_pSkip->setText(tr("Skip"));
    }
}

void CTreeItemTool::paintEvent(QPaintEvent*)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QRect(0, 0, width(), m_background.height()), m_background);
}
