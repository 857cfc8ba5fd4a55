#include "WindowFlow.h"

#include <utility>

void CWindowFlow::AskClose()
{
    m_eClosing = EClosing::Asking;
}

void CWindowFlow::AskEnded()
{
    if (m_eClosing == EClosing::Asking)
        m_eClosing = EClosing::Open;
}

void CWindowFlow::BeginClosing(bool unappliedLeft)
{
    m_bUnappliedLeft = unappliedLeft;
    m_eClosing = EClosing::Closing;
}

bool CWindowFlow::PutOffClose()
{
    return !std::exchange(m_bCloseAfterWait, true);
}

void CWindowFlow::PutOffCloseDue()
{
    m_bCloseAfterWait = false;
}

void CWindowFlow::ApplyChosenAtClose()
{
    m_eAfterApply = m_eAfterApply == EAfterApply::Home ? EAfterApply::HomeAndClose : EAfterApply::Close;
}

void CWindowFlow::ApplyChosenAtHome()
{
    m_eAfterApply = m_eAfterApply == EAfterApply::Close ? EAfterApply::HomeAndClose : EAfterApply::Home;
}

CWindowFlow::EAfterApply CWindowFlow::TakeAfterApply()
{
    const EAfterApply next = std::exchange(m_eAfterApply, EAfterApply::Stay);
    return next == EAfterApply::HomeAndClose ? EAfterApply::Home : next;
}

void CWindowFlow::BeginLoad()
{
    m_bWorkStopped = false;
    m_eOpening = EOpening::Load;
}

void CWindowFlow::LoadListed()
{
    if (m_eOpening == EOpening::Load)
        m_eOpening = EOpening::None;
}

void CWindowFlow::BeginApply()
{
    m_eOpening = EOpening::Apply;
}

void CWindowFlow::BeginRemoval()
{
    m_eOpening = EOpening::Removal;
}

void CWindowFlow::ApplyPaused()
{
    m_eOpening = EOpening::None;
}

void CWindowFlow::ApplyEnded()
{
    if (m_eOpening == EOpening::Apply)
        m_eOpening = EOpening::None;
}

void CWindowFlow::WorkStopped()
{
    m_bWorkStopped = true;
}

void CWindowFlow::ResultApplied()
{
    m_bApplied = true;
}

void CWindowFlow::NewFixes()
{
    m_bApplied = false;
}

void CWindowFlow::EndedAllClean()
{
    m_bAllClean = true;
}

void CWindowFlow::EndedEmpty()
{
    m_bAllClean = false;
}

void CWindowFlow::LeaveResult()
{
    if (!m_bUnappliedLeft)
        m_bDeleteDatabase = true;
}

void CWindowFlow::BackAtStart()
{
    m_eAfterApply = EAfterApply::Stay;
    m_bDeleteDatabase = false;
    m_bApplied = false;
}
