#pragma once

#include <QObject>

// Holds back the user's clicks, keys and wheel turns while a call on the GUI thread runs the
// event loop to wait for its workers (stopping the recognition jobs, closing): what the user does
// meanwhile goes nowhere, so no button starts new work under the wait. Everything else (timers,
// queued results, painting) is delivered as usual.
//
// Threading: GUI thread only. A scope object on the stack of the waiting call; scopes nest.
class CUserInputHold : public QObject
{
public:
    CUserInputHold();
    ~CUserInputHold() override;
    CUserInputHold(const CUserInputHold&) = delete;
    CUserInputHold& operator=(const CUserInputHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
