#pragma once

#include <QFrame>
#include <QPointer>

class CTitleBar;
class QHBoxLayout;
class QIcon;
class QVBoxLayout;

// Base of the program's top-level windows: no system frame, a CTitleBar at the top, a tool row
// under it, the content widget and an optional bottom widget. The left, right and bottom edges
// resize the window (through QWindow::startSystemResize where the platform supports it); corners
// are rounded and the look comes from the application style sheet. GUI thread.
class CFramelessWindow : public QFrame
{
    Q_OBJECT

public:
    explicit CFramelessWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~CFramelessWindow() override;

    // Deletes the current content widget and shows this one instead (the window takes it).
    void SetCentralWidget(QWidget* widget);
    QWidget* GetCentralWidget() const { return m_pCentralWidget; }
    // Appends a widget to the tool row under the title bar.
    void AddWidget(QWidget* widget);
    // Takes a widget out of the tool row (it stays a child of the window).
    void RemoveWidget(QWidget* widget);
    // Deletes the current bottom widget and puts this one under the content.
    void SetToolWidget(QWidget* widget);
    // Gives the title bar a menu widget, styled for the current language direction.
    void SetMenuBar(QWidget* widget);
    QWidget* MenuBar();
    void SetTitle(const QString& title);
    void SetIcon(const QIcon& icon);
    // Fixes the size; the edges and the title bar no longer resize and only close remains.
    void SetFixedSize(int width, int height);
    // Right-to-left for Arabic (see ApplyLanguageDirection), for this window.
    void ApplyLanguageDirection();
    // Tells the title bar whether the language is right-to-left.
    void UpdateTitleBarDirection();
    CTitleBar* GetTitleBar() const { return m_pTitleBar; }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateEdges(const QPoint& position);
    // Moves the edges under the pointer (global position) to it; the left edge stops at the
    // minimum width so the window never slides.
    void ResizeTo(const QPoint& global);

    CTitleBar* m_pTitleBar = nullptr;
    QPointer<QWidget> m_pCentralWidget;
    bool m_bLeftEdge = false;
    bool m_bRightEdge = false;
    bool m_bBottomEdge = false;
    QVBoxLayout* m_pMainLayout = nullptr;
    QHBoxLayout* m_pToolLayout = nullptr;
    QVBoxLayout* m_pContentLayout = nullptr;
    QPointer<QWidget> m_pBottomWidget;
    bool m_bResizing = false; // a press on an edge is being followed by this window itself
    bool m_bFixedSize = false;
};
