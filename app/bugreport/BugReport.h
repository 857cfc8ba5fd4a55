#pragma once

#include "CDialog.h"

#include <QString>

class QEvent;
class QLineEdit;
class QTextEdit;

// The three answers of the bug-report dialog, kept apart so a description with ':' in it
// arrives whole.
struct BugReportAnswer
{
    bool accepted = false;
    QString name;
    QString email;
    QString description;
};

// Asks for the reporter's name, e-mail address and a description of the problem. Built, run
// modally and destroyed by Open/Ask. GUI thread only.
class CBugReport : public CDialog
{
    Q_OBJECT

public:
    explicit CBugReport(QWidget* parent = nullptr);
    ~CBugReport() override;

    // Runs the dialog modally: name, e-mail and description joined by ':' after a valid Report
    // (also kept in g_strBugReportResult), an empty text after Cancel or a close.
    static QString Open(QWidget* parent);
    // The same dialog, answers apart; accepted is false after Cancel or a close.
    static BugReportAnswer Ask(QWidget* parent);

    const BugReportAnswer& Answer() const { return m_answer; }

public slots:
    // Checks the address (something@something.something, without spaces); a bad one is refused with a message
    // and the dialog stays open with everything as typed.
    void Report();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pEmail = nullptr;
    QTextEdit* m_pDescription = nullptr;
    QString m_strPlaceholder;
    BugReportAnswer m_answer;
};
