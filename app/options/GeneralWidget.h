#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QTranslator;

// The General page of the preferences: the interface language, the problem categories the
// analysis looks for ("Genernal") and the tags the apply step may replace ("Replace").
//
// A language picked here takes effect when the dialog closes (SaveGeneral). Until then the loaded
// translator waits here, owned by the application object; a later pick that loads replaces and
// deletes it, a pick that fails to load keeps it together with its code, so the code stored at
// close always belongs to the translator that is installed. GUI thread.
class CGeneralWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CGeneralWidget(QWidget* parent = nullptr);
    ~CGeneralWidget() override;

    // Writes both masks whole; then, when a translation was loaded, installs it, stores its code
    // as the interface language, re-sets the texts and emits sLanguageChange.
    void SaveGeneral();
    void loadLanguage();

signals:
    void sLanguageChange();

public slots:
    // 0: the master box was clicked; 1 to 5: Name, Artist, Album, Year, Genre was clicked.
    void StateChanged(int id);
    void LaunguageChanged(int row);

private:
    void LoadGeneral();
    bool AnyReplaceChecked() const;

    QComboBox* m_pLanguageCombo = nullptr;
    QLabel* m_pLanguageLabel = nullptr;
    QLabel* m_pFixLabel = nullptr;
    QLabel* m_pDescription = nullptr;
    std::array<QCheckBox*, 4> m_categoryBoxes{};
    QCheckBox* m_pReplaceMaster = nullptr;
    std::array<QCheckBox*, 5> m_replaceBoxes{};

    QStringList m_languageNames;
    QStringList m_languageFiles;
    QStringList m_languageCodes;
    QString m_strFile;
    QString m_strLanguageFolder;
    QString m_strCode;
    bool m_bTranslateReady = false;
    // The loaded, not yet installed translator of m_strCode (owned by the application object).
    QPointer<QTranslator> m_pPendingTranslator;
};
