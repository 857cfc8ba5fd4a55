#pragma once

#include "CFramelessWindow.h"

#include <QPointer>

class CGeneralWidget;
class CMusicLink;
class CNetWidget;
class CUpdateWidget;
class QAction;
class QEventLoop;
class QStackedWidget;
class QToolBar;

// The preferences dialog: General, Network and Update pages under a tool bar. There is no OK or
// Cancel: every close saves all pages and writes the ini file. Exec runs the dialog in its own
// event loop, so the caller (the main window's Preferences slot) keeps it on its stack and
// destroys it when Exec returns. GUI thread.
class COption : public CFramelessWindow
{
    Q_OBJECT

public:
    // link: the main window's music link, handed to the Network page (may be null).
    COption(CMusicLink* link, QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~COption() override;

    // Shows the dialog and returns once it is closed.
    void Exec();

    CGeneralWidget* GeneralPage() const { return m_pGeneral; }
    CNetWidget* NetPage() const { return m_pNet; }
    CUpdateWidget* UpdatePage() const { return m_pUpdate; }

signals:
    void sLanguageChange();

public slots:
    void SaveOption();
    void loadLanguage();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FitToolBarTexts();

    CGeneralWidget* m_pGeneral = nullptr;
    CNetWidget* m_pNet = nullptr;
    CUpdateWidget* m_pUpdate = nullptr;
    QStackedWidget* m_pStack = nullptr;
    QPointer<QEventLoop> m_pLoop;
    QAction* m_pGeneralAction = nullptr;
    QAction* m_pNetAction = nullptr;
    QAction* m_pUpdateAction = nullptr;
    QToolBar* m_pToolBar = nullptr;
};
