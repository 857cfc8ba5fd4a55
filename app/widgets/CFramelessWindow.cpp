#include "CFramelessWindow.h"

#include "CTitleBar.h"
#include "LanguageDirection.h"
#include "StyleTemplates.h"
#include "WindowPainting.h"

#include <QHBoxLayout>
#include <QHoverEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace
{

constexpr int kEdgeReach = 3;   // pixels from a border that still count as the border
constexpr int kBottomIndex = 3; // title bar, tool row, content, then the bottom widget

} // namespace

CFramelessWindow::CFramelessWindow(QWidget* parent, Qt::WindowFlags flags) : QFrame(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | flags);
    setFrameShape(QFrame::Panel);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setContentsMargins(0, 0, 0, 0);

    m_pTitleBar = new CTitleBar(this);
    m_pTitleBar->setObjectName(QStringLiteral("titleBar"));
    m_pCentralWidget = new QWidget(this);

    m_pToolLayout = new QHBoxLayout();
    m_pToolLayout->setContentsMargins(0, 0, 0, 0);
    m_pToolLayout->setSpacing(0);
    m_pContentLayout = new QVBoxLayout();
    m_pContentLayout->addWidget(m_pCentralWidget);
    m_pContentLayout->setContentsMargins(ScaledInt(2), 0, ScaledInt(2), 0);
    m_pContentLayout->setSpacing(0);

    m_pMainLayout = new QVBoxLayout(this);
    m_pMainLayout->addWidget(m_pTitleBar);
    m_pMainLayout->addLayout(m_pToolLayout);
    m_pMainLayout->addLayout(m_pContentLayout);
    m_pMainLayout->setContentsMargins(0, 0, 0, 0);
    m_pMainLayout->setSpacing(0);
}

CFramelessWindow::~CFramelessWindow() = default;

void CFramelessWindow::SetCentralWidget(QWidget* widget)
{
    delete m_pCentralWidget.data();
    m_pCentralWidget = widget;
    if (widget)
        m_pContentLayout->addWidget(widget);
}

void CFramelessWindow::AddWidget(QWidget* widget)
{
    m_pToolLayout->addWidget(widget);
}

void CFramelessWindow::RemoveWidget(QWidget* widget)
{
    m_pToolLayout->removeWidget(widget);
}

void CFramelessWindow::SetToolWidget(QWidget* widget)
{
    delete m_pBottomWidget.data();
    m_pBottomWidget = widget;
    if (widget)
        m_pMainLayout->insertWidget(kBottomIndex, widget);
}

void CFramelessWindow::SetMenuBar(QWidget* widget)
{
    m_pTitleBar->SetMenuWidget(widget);
    UpdateTitleBarDirection();
}

QWidget* CFramelessWindow::MenuBar()
{
    return m_pTitleBar->MenuBar();
}

void CFramelessWindow::SetTitle(const QString& title)
{
    m_pTitleBar->setWindowTitle(title);
    setWindowTitle(title);
}

void CFramelessWindow::SetIcon(const QIcon& icon)
{
    m_pTitleBar->SetIcon(icon);
    setWindowIcon(icon);
}

void CFramelessWindow::SetFixedSize(int width, int height)
{
    m_bFixedSize = true;
    m_pTitleBar->setCanResize(false);
    setFixedSize(width, height);
}

void CFramelessWindow::ApplyLanguageDirection()
{
    ::ApplyLanguageDirection(this);
}

void CFramelessWindow::UpdateTitleBarDirection()
{
    m_pTitleBar->SetRightToLeft(IsRightToLeftLanguage());
}

void CFramelessWindow::UpdateEdges(const QPoint& position)
{
    const QRect area = rect();
    m_bLeftEdge = qAbs(position.x() - area.left()) <= kEdgeReach;
    m_bRightEdge = qAbs(position.x() - area.right()) <= kEdgeReach;
    m_bBottomEdge = qAbs(position.y() - area.bottom()) <= kEdgeReach;
    // Beside the title bar the sides belong to the bar (dragging), never to resizing.
    if (qAbs(position.y() - area.top()) <= m_pTitleBar->height())
    {
        m_bLeftEdge = false;
        m_bRightEdge = false;
    }
}

bool CFramelessWindow::event(QEvent* event)
{
    if (m_bFixedSize || event->type() != QEvent::HoverMove || m_pTitleBar->IsMaximized())
        return QFrame::event(event);

    const auto* hover = static_cast<QHoverEvent*>(event);
    if (m_bResizing)
    {
        ResizeTo(hover->globalPosition().toPoint());
        return true;
    }

    UpdateEdges(hover->position().toPoint());
    if ((m_bLeftEdge || m_bRightEdge) && m_bBottomEdge)
        setCursor(m_bLeftEdge ? Qt::SizeBDiagCursor : Qt::SizeFDiagCursor);
    else if (m_bLeftEdge || m_bRightEdge)
        setCursor(Qt::SizeHorCursor);
    else if (m_bBottomEdge)
        setCursor(Qt::SizeVerCursor);
    else
        setCursor(Qt::ArrowCursor);
    return true;
}

void CFramelessWindow::ResizeTo(const QPoint& global)
{
    QRect area = geometry();
    if (m_bLeftEdge)
    {
        if (area.right() - global.x() > minimumWidth())
            area.setLeft(global.x());
        else
            area.setLeft(area.right() - minimumWidth());
    }
    if (m_bRightEdge)
        area.setRight(global.x());
    if (m_bBottomEdge)
        area.setBottom(global.y());
    setGeometry(area);
}

void CFramelessWindow::mouseMoveEvent(QMouseEvent* event)
{
    // While the button is held the window has the mouse; platforms that then send plain moves
    // instead of hover moves still resize.
    if (m_bResizing && !m_bFixedSize && !m_pTitleBar->IsMaximized())
        ResizeTo(event->globalPosition().toPoint());
    QFrame::mouseMoveEvent(event);
}

void CFramelessWindow::mousePressEvent(QMouseEvent* event)
{
    if (!m_bFixedSize && (m_bLeftEdge || m_bRightEdge || m_bBottomEdge))
    {
        Qt::Edges edges;
        if (m_bLeftEdge)
            edges |= Qt::LeftEdge;
        if (m_bRightEdge)
            edges |= Qt::RightEdge;
        if (m_bBottomEdge)
            edges |= Qt::BottomEdge;
        // The compositor resizes where it can; otherwise the hover moves drive the geometry.
        QWindow* handle = windowHandle();
        m_bResizing = !(handle && handle->startSystemResize(edges));
    }
    QFrame::mousePressEvent(event);
}

void CFramelessWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bFixedSize)
    {
        m_bResizing = false;
        releaseMouse();
    }
    QFrame::mouseReleaseEvent(event);
}

void CFramelessWindow::paintEvent(QPaintEvent*)
{
    PaintRoundedWindow(this);
}
