#pragma once

#include <QWidget>

class CMusicLink;
class QComboBox;
class QLabel;
class QLineEdit;

// The Network page of the preferences: an HTTP proxy ("b_proxy", "Proxy_type", "Proxy_host",
// "Proxy_prot", "Proxy_name", "Proxy_pass"). Saving hands the proxy to the music manager at once.
// The page does not own the link. GUI thread.
class CNetWidget : public QWidget
{
    Q_OBJECT

public:
    // link may be null: then saving only changes the settings object.
    explicit CNetWidget(CMusicLink* link, QWidget* parent = nullptr);

    void LoadNet();
    // With "None" only "b_proxy" becomes false; the typed values wait for the next "Http".
    void SaveNet();
    void loadLanguage();

public slots:
    void CurrentIndex(int index);

private:
    QComboBox* m_pTypeCombo = nullptr;
    QLineEdit* m_pHostEdit = nullptr;
    QLineEdit* m_pPortEdit = nullptr;
    QLineEdit* m_pUserEdit = nullptr;
    QLineEdit* m_pPasswordEdit = nullptr;
    CMusicLink* m_pMusicLink = nullptr;
    QLabel* m_pTypeLabel = nullptr;
    QLabel* m_pHostLabel = nullptr;
    QLabel* m_pPortLabel = nullptr;
    QLabel* m_pUserLabel = nullptr;
    QLabel* m_pPasswordLabel = nullptr;
};
