#pragma once

#include <QDialog>

#include <initializer_list>

class CTitleBar;
class QIcon;
class QLayout;
class QPushButton;
class QVBoxLayout;

// Base of every modal dialog: no system frame, application-modal, a CTitleBar on top and the
// dialog's content layout under it, rounded corners on a translucent background. Closing it by
// the title bar's close button rejects it (exec answers 0). GUI thread.
class CDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~CDialog() override;

    // Removes every layout item after the title bar (the items, not their widgets) and adds this
    // layout below it. Dialogs call it once, from their constructor.
    void AddLayout(QLayout* layout);
    void SetTitle(const QString& title);
    // Fixes the size; the title bar then shows only its close button.
    void SetFixedSize(int width, int height);
    void SetIcon(const QIcon& icon);
    CTitleBar* GetTitleBar() const { return m_pTitleBar; }

    // Lets the keyboard answer the dialog through these buttons, in their order: the first is the
    // default and has the focus when the dialog opens, so Return takes it; Tab and the arrow keys
    // move the focus between them, Space and Return press the focused one, Escape rejects. The
    // focused button shows a dotted frame over its picture. Call once the buttons have their look.
    static void SetKeyboardButtons(std::initializer_list<QPushButton*> buttons);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CTitleBar* m_pTitleBar = nullptr;
    QVBoxLayout* m_pMainLayout = nullptr;
};
