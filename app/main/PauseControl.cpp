#include "PauseControl.h"

#include "MainUI.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

// The texts are looked up under the window's name: they were the window's before the control was
// taken out of it, and the translations know them by it.

CPauseControl::CPauseControl(QPushButton* button, QObject* window) : QObject(window), m_button(button)
{
    connect(m_button, &QPushButton::clicked, this, &CPauseControl::Clicked);
}

void CPauseControl::AddMenuEntries(QMenu* menu)
{
    const auto add = [this, menu](const QString& text)
    {
        auto* action = new QAction(text, parent());
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, &CPauseControl::Clicked);
        menu->addAction(action);
        return action;
    };
    m_pauseAction = add(QCoreApplication::translate("CMainUI", "Pause"));
    m_continueAction = add(QCoreApplication::translate("CMainUI", "Continue"));
}

void CPauseControl::SetLook(bool pause)
{
    m_button->setText(pause ? QCoreApplication::translate("CMainUI", "   Pause")
                            : QCoreApplication::translate("CMainUI", "   Continue"));
    // The look is the button's own: a later fit (a language switch) keeps Continue's picture.
    m_button->setProperty("actionPicture", pause ? QStringLiteral("pause") : QStringLiteral("continue"));
    m_button->setProperty("actionColour", pause ? QStringLiteral("#3d90c5") : QStringLiteral("#1e4c00"));
    CMainUI::FitActionText(m_button);
}

void CPauseControl::SetActions(bool pause, bool resume)
{
    m_pauseAction->setEnabled(pause);
    m_continueAction->setEnabled(resume);
}

void CPauseControl::SetPauseActionEnabled(bool enabled)
{
    m_pauseAction->setEnabled(enabled);
}

void CPauseControl::SetButtonEnabled(bool enabled)
{
    m_button->setEnabled(enabled);
}

void CPauseControl::RetranslateTexts()
{
    m_button->setText(QCoreApplication::translate("CMainUI", "   Pause"));
    m_pauseAction->setText(QCoreApplication::translate("CMainUI", "Pause"));
    m_continueAction->setText(QCoreApplication::translate("CMainUI", "Continue"));
}

void CPauseControl::RetranslateLook(bool paused)
{
    m_button->setText(paused ? QCoreApplication::translate("CMainUI", "   Continue")
                             : QCoreApplication::translate("CMainUI", "   Pause"));
}
