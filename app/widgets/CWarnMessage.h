#pragma once

#include "CDialog.h"

class QLabel;
class QPushButton;
class QTimer;

// The program's message box: a modal dialog, as large as its text needs, with an icon, a text and one to
// three buttons, the first of which can count down and press itself. Callers go through ShowMessage. Each box
// keeps its own answer, so a box opened while another is waiting (by a slot during a countdown, say) cannot
// change what the outer box returns. GUI thread only.
class CWarnMessage : public CDialog
{
    Q_OBJECT

public:
    // Types: 0 one "OK" button; 1 the first button; 2 the first two; anything else all three.
    CWarnMessage(QWidget* parent, const QString& title, const QString& text, int type, const QString& button1,
                 const QString& button2, const QString& button3, int countdown);
    ~CWarnMessage() override;

    // Shows the box modally and answers the button pressed (1 to 3; 1 when the countdown runs
    // out) or 0 when the box was closed otherwise (title-bar close, Escape). Asks CMessageSeam
    // first when an answerer is installed. Off the GUI thread nothing is shown and 0 is answered.
    static int ShowMessage(QWidget* parent, const QString& title, const QString& text, int type,
                           const QString& button1, const QString& button2, const QString& button3,
                           int countdown);

    // This box's answer so far (0 until a button is pressed).
    int Result() const { return m_iResult; }

public slots:
    void SecondRed();
    void MyClicked1();
    void MyClicked2();
    void MyClicked3();

private:
    void Finish(int result);
    void FitToText(QLabel* textLabel, int minimumWidth);
    static QStringList VisibleButtons(int type, const QString& button1, const QString& button2,
                                      const QString& button3);

    QTimer* m_pTimer = nullptr;
    QPushButton* m_pFirstButton = nullptr;
    int m_iSecondsLeft = 0;
    QString m_strFirstText;
    int m_iResult = 0;
};
