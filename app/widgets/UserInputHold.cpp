#include "UserInputHold.h"

#include <QCoreApplication>
#include <QEvent>

CUserInputHold::CUserInputHold()
{
    qApp->installEventFilter(this);
}

CUserInputHold::~CUserInputHold()
{
    qApp->removeEventFilter(this);
}

bool CUserInputHold::eventFilter(QObject*, QEvent* event)
{
    switch (event->type())
    {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}
