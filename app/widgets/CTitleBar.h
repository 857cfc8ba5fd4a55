#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QHBoxLayout;
class QIcon;
class QLabel;
class QToolButton;

// The title bar at the top of every frameless window and dialog: icon, title, an optional menu
// widget and the minimise, maximise and close buttons. Its parent is the window it moves,
// minimises, enlarges and closes. Moves go through the platform (QWindow::startSystemMove) where
// it supports them, so they work on X11 and Wayland alike; elsewhere the bar moves the window
// itself. Child of its window; GUI thread.
class CTitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit CTitleBar(QWidget* parent);
    ~CTitleBar() override;

    // The icon label shows the icon at 20 x 20 x scale (mode Normal, state Off).
    void SetIcon(const QIcon& icon);
    // True while the bar has enlarged its window to the screen.
    bool IsMaximized() const { return m_bMaximized; }
    bool CanResize() const { return m_bCanResize; }
    // The layout's margins, each x scale.
    void SetMargins(int left, int top, int right, int bottom);
    // Replaces (and deletes) the current menu widget; the new one sits before the buttons.
    void SetMenuWidget(QWidget* widget);
    // The menu widget, creating an empty QMenuBar first when there is none.
    QWidget* MenuBar();
    // Restyles the close button and the menu widget for a right-to-left or left-to-right layout.
    void SetRightToLeft(bool rightToLeft);

public slots:
    // The title label reads two spaces followed by the title.
    void setWindowTitle(const QString& title);
    void showSmall();
    void setCanResize(bool canResize);
    void showMaxRestore();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect AvailableGeometry() const;
    // The buttons show only pictures: screen readers read these names instead.
    void SetAccessibleNames();

    QLabel* m_pIconLabel = nullptr;
    QLabel* m_pTitleLabel = nullptr;
    QToolButton* m_pMinButton = nullptr;
    QToolButton* m_pMaxButton = nullptr;
    QToolButton* m_pCloseButton = nullptr;
    bool m_bMaximized = false;
    QPoint m_pressPoint; // in the window's coordinates; null: no drag under way
    QPointer<QWidget> m_pMenuWidget;
    QHBoxLayout* m_pLayout = nullptr;
    QRect m_restoreGeometry;
    bool m_bCanResize = true;
};
