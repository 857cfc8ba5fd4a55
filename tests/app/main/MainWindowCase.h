#pragma once

#include "AnalyWidget.h"
#include "AppGlobals.h"
#include "CMessageSeam.h"
#include "MainUI.h"
#include "StartUI.h"
#include "WindowRoadCheck.h"

#include <QFile>
#include <QList>
#include <QMenu>
#include <QTest>

#include <memory>

// Whether the window shows a success picture: the busy banner's done tick over the page, or the
// header's done picture. None belongs beside an empty, failed or unreachable result.
inline bool ShowsDonePicture(const CMainUI& window)
{
    const auto* banner = window.findChild<CAnalyWidget*>();
    const auto* header = window.findChild<QWidget*>(QStringLiteral("label_back"));
    return (banner && banner->isVisible() && banner->ShowsDonePicture()) ||
           (header && header->styleSheet().contains(QLatin1String("fix_end")));
}

// The real main window for one test case: every question it asks is recorded and answered with
// m_answer (1 unless a case changes it). Test classes derive from it beside QObject and call
// OpenWindow from init and CloseWindow from cleanup.
class MainWindowCase
{
protected:
    void OpenWindow()
    {
        g_nWorkMode = EWorkMode::Files;
        m_questions.clear();
        m_queued.clear();
        m_answer = 1;
        m_answers = std::make_unique<CMessageSeam::Scope>(
            [this](const MessageQuestion& q)
            {
                m_questions << q;
                return m_queued.isEmpty() ? m_answer : m_queued.takeFirst();
            });
        m_window = std::make_unique<CMainUI>();
        m_window->show();
    }

    void CloseWindow()
    {
        m_window.reset();
        m_answers.reset();
        QFile::remove(g_strDBPath);
    }

    // The invariants every road ends with (WindowRoadCheck.h), checked before the window goes.
    void CheckRoadInvariants(const tidewell::test::RoadPlaces& places = {})
    {
        if (m_window)
            VERIFY_ROAD_INVARIANTS(tidewell::test::WindowRoadFaults(*m_window, places));
    }

    // The window's menu entry of that text.
    QAction* MenuEntry(const QString& text) const
    {
        for (QMenu* menu : m_window->findChildren<QMenu*>())
            for (QAction* action : menu->actions())
                if (action->text() == text)
                    return action;
        return nullptr;
    }

    // Picks a menu entry as the user does: the menu opened, the entry clicked.
    void ClickMenuEntry(const QString& text)
    {
        QAction* action = MenuEntry(text);
        QVERIFY2(action && action->isEnabled(), qPrintable(text));
        QMenu* menu = nullptr;
        for (QMenu* candidate : m_window->findChildren<QMenu*>())
            menu = candidate->actions().contains(action) ? candidate : menu;
        QVERIFY(menu);
        menu->popup(m_window->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }

    // The run's result is on screen and nothing works any more.
    bool RoadEnded() const
    {
        return m_window->RunState() == EWindowRunState::ResultShown && !m_window->IsBusy();
    }

    std::unique_ptr<CMainUI> m_window;
    QList<MessageQuestion> m_questions;
    int m_answer = 1;
    // Answers for the next questions, in order, before m_answer takes over.
    QList<int> m_queued;

private:
    std::unique_ptr<CMessageSeam::Scope> m_answers;
};
