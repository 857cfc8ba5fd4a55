#pragma once

#include "CDialog.h"

class CLabelPress;
class QLabel;

// The about box: icon, logo and name, version, support and home-page links, a legal notice and
// the recognition service's credit. Fixed size, run modally by the main window.
class CAbout : public CDialog
{
    Q_OBJECT

public:
    explicit CAbout(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~CAbout() override;

    // Where the support link leads: a web address opens as a page, anything else as a mail.
    static QString SupportTarget(const QString& address);

private:
    QLabel* m_pIcon = nullptr;
    QLabel* m_pLogo = nullptr;
    QLabel* m_pName = nullptr;
    QLabel* m_pVersion = nullptr;
    QLabel* m_pNotice = nullptr;
    QLabel* m_pCredit = nullptr;
    CLabelPress* m_pSupport = nullptr;
    CLabelPress* m_pHome = nullptr;
};
