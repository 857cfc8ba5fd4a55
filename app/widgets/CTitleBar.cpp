#include "CTitleBar.h"

#include "StyleTemplates.h"
#include "WindowPainting.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

namespace
{

constexpr int kMenuIndex = 3; // icon, title, stretch, then the menu widget

QString SystemButtonStyle(const char* objectName, const char* image, double width)
{
    return TitleBarButtonStyle(QLatin1String(objectName), QLatin1String(image), ScaledValue(width),
                               ScaledValue(21));
}

} // namespace

CTitleBar::CTitleBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("titleBar"));
    // No frameless window grows beyond the screen's free area (it has no system frame to fix it).
    if (const QRect available = AvailableGeometry(); parent && !available.isEmpty())
        parent->setMaximumSize(available.size());

    m_pMinButton = new QToolButton(this);
    m_pMinButton->setObjectName(QStringLiteral("minimize"));
    m_pMinButton->setStyleSheet(SystemButtonStyle("minimize", "min", 31));
    m_pMaxButton = new QToolButton(this);
    m_pMaxButton->setObjectName(QStringLiteral("maximize"));
    m_pMaxButton->setStyleSheet(SystemButtonStyle("maximize", "max", 31));
    m_pMaxButton->setCheckable(true);
    m_pCloseButton = new QToolButton(this);
    m_pCloseButton->setObjectName(QStringLiteral("close"));
    for (QToolButton* button : {m_pMinButton, m_pMaxButton, m_pCloseButton})
        button->setFocusPolicy(Qt::NoFocus);

    m_pTitleLabel = new QLabel(this);
    m_pTitleLabel->setObjectName(QStringLiteral("titleText"));
    m_pTitleLabel->setStyleSheet(QStringLiteral("QLabel#titleText{color: rgb(255,255,255);}"));
    m_pTitleLabel->setText(QStringLiteral("  ") + (parent ? parent->windowTitle() : QString()));
    m_pIconLabel = new QLabel(this);
    if (parent)
        SetIcon(parent->windowIcon());

    m_pLayout = new QHBoxLayout(this);
    m_pLayout->addWidget(m_pIconLabel);
    m_pLayout->addWidget(m_pTitleLabel);
    m_pLayout->addStretch(100);
    m_pLayout->addWidget(m_pMinButton);
    m_pLayout->addWidget(m_pMaxButton);
    m_pLayout->addWidget(m_pCloseButton);
    m_pLayout->setSpacing(0);
    m_pLayout->setContentsMargins(10, 1, 10, 0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    if (parent)
        connect(m_pCloseButton, &QToolButton::clicked, parent, &QWidget::close);
    connect(m_pMinButton, &QToolButton::clicked, this, &CTitleBar::showSmall);
    connect(m_pMaxButton, &QToolButton::clicked, this, &CTitleBar::showMaxRestore);
    SetAccessibleNames();
}

CTitleBar::~CTitleBar() = default;

QRect CTitleBar::AvailableGeometry() const
{
    // The screen the window is on; on a single display that is the primary one.
    const QWidget* window = parentWidget();
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void CTitleBar::SetAccessibleNames()
{
    m_pMinButton->setAccessibleName(tr("Minimize"));
    m_pMaxButton->setAccessibleName(tr("Maximize"));
    m_pCloseButton->setAccessibleName(tr("Close"));
    if (m_pMenuWidget)
        m_pMenuWidget->setAccessibleName(tr("Menu"));
}

void CTitleBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        SetAccessibleNames();
    QWidget::changeEvent(event);
}

void CTitleBar::SetIcon(const QIcon& icon)
{
    const int side = ScaledInt(20);
    m_pIconLabel->setPixmap(icon.pixmap(QSize(side, side), QIcon::Normal, QIcon::Off));
}

void CTitleBar::SetMargins(int left, int top, int right, int bottom)
{
    m_pLayout->setContentsMargins(ScaledInt(left), ScaledInt(top), ScaledInt(right), ScaledInt(bottom));
}

void CTitleBar::SetMenuWidget(QWidget* widget)
{
    delete m_pMenuWidget.data();
    m_pMenuWidget = widget;
    if (widget)
        m_pLayout->insertWidget(kMenuIndex, widget);
    SetAccessibleNames();
}

QWidget* CTitleBar::MenuBar()
{
    if (!m_pMenuWidget)
    {
        m_pMenuWidget = new QMenuBar(this);
        m_pLayout->insertWidget(kMenuIndex, m_pMenuWidget, 0, Qt::AlignCenter);
        SetAccessibleNames();
    }
    return m_pMenuWidget;
}

void CTitleBar::SetRightToLeft(bool rightToLeft)
{
    if (m_pMenuWidget)
    {
        m_pMenuWidget->setObjectName(QStringLiteral("menubar"));
        // The menu picture follows the scale in either direction, like the buttons beside it.
        m_pMenuWidget->setStyleSheet(TitleBarMenuStyle(
            QStringLiteral("menubar"), rightToLeft ? QStringLiteral("menu_ar") : QStringLiteral("menu"),
            ScaledValue(31), ScaledValue(21)));
    }
    m_pCloseButton->setStyleSheet(SystemButtonStyle("close", rightToLeft ? "close_ar" : "close", 43));
}

void CTitleBar::setWindowTitle(const QString& title)
{
    m_pTitleLabel->setText(QStringLiteral("  ") + title);
}

void CTitleBar::showSmall()
{
    if (QWidget* window = parentWidget())
        window->showMinimized();
}

void CTitleBar::setCanResize(bool canResize)
{
    m_bCanResize = canResize;
    m_pMinButton->setVisible(canResize);
    m_pMaxButton->setVisible(canResize);
    m_pCloseButton->setStyleSheet(SystemButtonStyle("close", canResize ? "close" : "dialogclose", 43));
}

void CTitleBar::showMaxRestore()
{
    QWidget* window = parentWidget();
    if (!window)
        return;
    if (m_bMaximized)
    {
        m_pMaxButton->setStyleSheet(SystemButtonStyle("maximize", "max", 31));
        window->showNormal();
        window->setGeometry(m_restoreGeometry);
    }
    else
    {
        m_pMaxButton->setStyleSheet(SystemButtonStyle("maximize", "reduction", 31));
        m_restoreGeometry = window->geometry();
        // The available geometry keeps the task bar and panels visible.
        window->setGeometry(AvailableGeometry());
    }
    m_bMaximized = !m_bMaximized;
    m_pMaxButton->setChecked(m_bMaximized);
}

void CTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (QWidget* window = parentWidget())
        m_pressPoint = mapTo(window, event->position().toPoint());
}

void CTitleBar::mouseReleaseEvent(QMouseEvent*)
{
    m_pressPoint = QPoint();
}

void CTitleBar::mouseDoubleClickEvent(QMouseEvent*)
{
    if (m_bCanResize)
        showMaxRestore();
}

void CTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* window = parentWidget();
    if (!window || m_bMaximized || m_pressPoint.isNull())
        return;
    // Hand the move to the window system where it can take it (the only way on Wayland). This
    // starts on the first move, not on the press, so a double-click still reaches the bar.
    if (event->buttons() & Qt::LeftButton)
    {
        QWindow* handle = window->windowHandle();
        if (handle && handle->startSystemMove())
        {
            m_pressPoint = QPoint();
            return;
        }
    }
    if (m_bCanResize)
    {
        window->move(event->globalPosition().toPoint() - m_pressPoint);
    }
    else
    {
        const QPoint offset = mapTo(window, event->position().toPoint()) - m_pressPoint;
        QRect geometry = window->geometry();
        geometry.translate(offset);
        window->setGeometry(geometry);
    }
}

void CTitleBar::paintEvent(QPaintEvent*)
{
    PaintStyledBackground(this);
}
