#pragma once

#include "CDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

// The confirmation before duplicates are removed, with a "Don't show it again." box. exec answers
// Accepted for "Remove" and Rejected for "Cancel" or the title-bar close; both buttons store the
// check box into the settings ("Msg_Dshow"), closing otherwise stores nothing. Like the message
// box it is answered through CMessageSeam when an answerer is installed. GUI thread.
class CMessgboxEx : public CDialog
{
    Q_OBJECT

public:
    explicit CMessgboxEx(QWidget* parent = nullptr);
    ~CMessgboxEx() override;

    int exec() override;
    // Writes the check box state (0 unchecked, 2 checked) into the settings object.
    void SaveCheckState();
    QCheckBox* CheckBox() const { return m_pCheckBox; }

public slots:
    void Remove();
    void Cancel();

private:
    QPushButton* m_pRemoveButton = nullptr;
    QCheckBox* m_pCheckBox = nullptr;
    QLabel* m_pTextLabel = nullptr;
    QLabel* m_pIconLabel = nullptr;
};
