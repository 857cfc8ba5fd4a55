#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPushButton;

// The main window's Pause/Continue control: the action row's button, which looks like Pause
// while a step runs and like Continue while it is paused, and the menu's Pause and Continue
// entries, enabled for what the user may pick now. Each of them only asks (Clicked): the window
// decides by its stage and run state what a pause or a continue means.
//
// Threading: GUI thread. Ownership: a child of the window; the button belongs to the action row,
// the menu entries to the window.
class CPauseControl : public QObject
{
    Q_OBJECT

public:
    // button: the action row's Pause button, made by the window with the others.
    CPauseControl(QPushButton* button, QObject* window);

    // Adds the Pause and Continue entries, both disabled, at the menu's end.
    void AddMenuEntries(QMenu* menu);

    // The button's picture, colour and text: Pause (pause) or Continue.
    void SetLook(bool pause);
    // Which of the two menu entries may be picked.
    void SetActions(bool pause, bool resume);
    void SetPauseActionEnabled(bool enabled);
    void SetButtonEnabled(bool enabled);

    // The texts in the language now installed: the menu entries and the button's Pause text;
    // then the button's text as the look stands (RetranslateLook).
    void RetranslateTexts();
    void RetranslateLook(bool paused);

    QPushButton* Button() const { return m_button; }

signals:
    void Clicked();

private:
    QPushButton* m_button = nullptr;
    QAction* m_pauseAction = nullptr;
    QAction* m_continueAction = nullptr;
};
