#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The duplicate-scan options beside the scan list: quick scan by chosen tags or deep scan by
// acoustic fingerprint, the match degree, and the two buttons that reach the removal history.
// The widgets are the working copy of the settings' "Duplicate" mask; Save copies them back.
// GUI thread.
class CDuplicateWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CDuplicateWidget(QWidget* parent = nullptr);
    ~CDuplicateWidget() override;

    void loadLanguage();

signals:
    void ShowTrash();

public slots:
    void StateChanged();
    void Save();
    void SetRemoveOpt();
    void Match(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Restore();

    QLabel* m_pHeading = nullptr;
    QRadioButton* m_pQuick = nullptr;
    QRadioButton* m_pDeep = nullptr;
    QLabel* m_pNote = nullptr;
    QCheckBox* m_pName = nullptr;
    QCheckBox* m_pArtist = nullptr;
    QCheckBox* m_pAlbum = nullptr;
    QCheckBox* m_pFileSize = nullptr;
    QCheckBox* m_pTime = nullptr;
    QComboBox* m_pDegree = nullptr;
    QLabel* m_pDegreeLabel = nullptr;
    QPushButton* m_pHistory = nullptr;
};
