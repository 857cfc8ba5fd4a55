#include "GeneralWidget.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "InterfaceLanguage.h"
#include "MusicFlags.h"
#include "StyleTemplates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

constexpr std::array<int, 4> kCategoryBits{MF_Artwork, MF_Artist, MF_Album, MF_FileMissing};
constexpr std::array<int, 5> kReplaceBits{MF_Name, MF_Artist, MF_Album, MF_Year, MF_Genre};
constexpr int kEnglishRow = 0;

} // namespace

CGeneralWidget::CGeneralWidget(QWidget* parent) : QWidget(parent)
{
    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(ScaledInt(30), ScaledInt(20), ScaledInt(30), ScaledInt(20));
    mainLayout->setSpacing(ScaledInt(3));

    // Each language under its own name, whatever the interface speaks now: a reader who cannot
    // read the current language still finds their own.
    m_languageNames = {QStringLiteral("English"), QStringLiteral("Deutsch"),
                       QStringLiteral("日本語"),  QStringLiteral("Русский"),
                       QStringLiteral("Español"), QStringLiteral("Português (Brasil)"),
                       QStringLiteral("العربية"), QStringLiteral("Français")};
    m_languageCodes = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("jp"),
                       QStringLiteral("ru"), QStringLiteral("es"), QStringLiteral("br"),
                       QStringLiteral("ar"), QStringLiteral("fr")};
    for (const QString& code : m_languageCodes)
        m_languageFiles << InterfaceTranslationFile(code);

    m_pLanguageCombo = new QComboBox(this);
    m_pLanguageCombo->setObjectName(QStringLiteral("GeneralLanguage"));
    m_pLanguageCombo->addItems(m_languageNames);
    // Wide enough for the longest name ("Português (Brasil)") beside the arrow.
    m_pLanguageCombo->ensurePolished();
    m_pLanguageCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pLanguageCombo->setFixedSize(std::max(ScaledInt(117), m_pLanguageCombo->sizeHint().width()),
                                   ScaledInt(20));

    // The row of the language the window speaks: the installed translation, else the stored
    // code, else the untranslated texts, which are English. The stored code may be empty or name
    // a translation that never loaded; a row other than the one in use would name a language
    // the window does not speak, and picking that row would then change nothing.
    int row = g_pTranslator ? m_languageFiles.indexOf(QFileInfo(g_pTranslator->filePath()).fileName()) : -1;
    if (row < 0 && GetAppSettings())
        row = m_languageCodes.indexOf(GetAppSettings()->GetLanguage());
    if (row < 0)
        row = kEnglishRow;
    m_pLanguageCombo->setCurrentIndex(row);
    m_strFile = m_languageFiles.at(row);
    m_strCode = m_languageCodes.at(row);
    m_strLanguageFolder = InterfaceLanguageFolder();

    m_pLanguageLabel = new QLabel(this);
    auto* languageGrid = new QGridLayout;
    languageGrid->setContentsMargins(0, 0, 0, 0);
    languageGrid->addWidget(m_pLanguageLabel, 0, 0);
    languageGrid->addWidget(m_pLanguageCombo, 0, 1, 1, 8, Qt::AlignLeft);
    // Connected after the stored row is selected, so building the page loads nothing.
    connect(m_pLanguageCombo, &QComboBox::currentIndexChanged, this, &CGeneralWidget::LaunguageChanged);

    m_pFixLabel = new QLabel(this);
    auto* fixGrid = new QGridLayout;
    fixGrid->setContentsMargins(0, 0, 0, 0);
    fixGrid->addWidget(m_pFixLabel, 0, 0);
    for (int i = 0; i < int(m_categoryBoxes.size()); ++i)
    {
        m_categoryBoxes[i] = new QCheckBox(this);
        m_categoryBoxes[i]->setFocusPolicy(Qt::NoFocus);
        fixGrid->addWidget(m_categoryBoxes[i], i, 1, 1, 8, Qt::AlignLeft);
    }

    m_pReplaceMaster = new QCheckBox(this);
    m_pReplaceMaster->setObjectName(QStringLiteral("GeneralReplace"));
    m_pReplaceMaster->setFocusPolicy(Qt::NoFocus);
    auto* replaceRow = new QHBoxLayout;
    replaceRow->setContentsMargins(ScaledInt(20), 0, 0, 0);
    for (auto& box : m_replaceBoxes)
    {
        box = new QCheckBox(this);
        box->setFocusPolicy(Qt::NoFocus);
        replaceRow->addWidget(box);
    }
    replaceRow->addStretch();

    m_pDescription = new QLabel(this);
    m_pDescription->setStyleSheet(QStringLiteral("QLabel {font:%1px;color:#000000;}").arg(ScaledInt(11)));

    mainLayout->addLayout(languageGrid);
    mainLayout->addLayout(fixGrid);
    mainLayout->addWidget(m_pReplaceMaster);
    mainLayout->addLayout(replaceRow);
    mainLayout->addWidget(m_pDescription);
    mainLayout->addStretch();

    LoadGeneral();

    // Clicks only: the program's own setChecked calls must not run the master rules.
    connect(m_pReplaceMaster, &QCheckBox::clicked, this, [this] { StateChanged(0); });
    for (int i = 0; i < int(m_replaceBoxes.size()); ++i)
        connect(m_replaceBoxes[i], &QCheckBox::clicked, this, [this, i] { StateChanged(i + 1); });

    loadLanguage();
}

CGeneralWidget::~CGeneralWidget()
{
    // A translation picked but never installed would otherwise live on in the application.
    if (m_pPendingTranslator && m_pPendingTranslator != g_pTranslator)
        delete m_pPendingTranslator.data();
}

void CGeneralWidget::LoadGeneral()
{
    const CAppSettings* settings = GetAppSettings();
    const int general = settings ? settings->GetGenernal() : 0;
    const int replace = settings ? settings->GetReplace() : 0;
    for (int i = 0; i < int(m_categoryBoxes.size()); ++i)
        m_categoryBoxes[i]->setChecked(general & kCategoryBits[i]);
    const bool master = replace & MF_ReplaceSwitch;
    m_pReplaceMaster->setChecked(master);
    for (int i = 0; i < int(m_replaceBoxes.size()); ++i)
    {
        m_replaceBoxes[i]->setEnabled(master);
        m_replaceBoxes[i]->setChecked(replace & kReplaceBits[i]);
    }
    if (!AnyReplaceChecked())
        m_pReplaceMaster->setChecked(false);
}

bool CGeneralWidget::AnyReplaceChecked() const
{
    for (const QCheckBox* box : m_replaceBoxes)
    {
        if (box->isChecked())
            return true;
    }
    return false;
}

void CGeneralWidget::StateChanged(int id)
{
    if (id == 0)
    {
        const bool on = m_pReplaceMaster->isChecked();
        for (QCheckBox* box : m_replaceBoxes)
            box->setEnabled(on);
        if (on && !AnyReplaceChecked())
        {
            for (QCheckBox* box : m_replaceBoxes)
                box->setChecked(true);
        }
    }
    else if (id >= 1 && id <= int(m_replaceBoxes.size()))
    {
        if (!AnyReplaceChecked())
            m_pReplaceMaster->setChecked(false);
    }
}

void CGeneralWidget::LaunguageChanged(int row)
{
    const bool known = row >= 0 && row < m_languageCodes.size();
    const QString code = known ? m_languageCodes.at(row) : QString();
    QTranslator* translator = LoadInterfaceTranslator(code);
    if (!translator)
        return; // the language stays as it was; the earlier pick, if any, still waits
    if (m_pPendingTranslator && m_pPendingTranslator != g_pTranslator)
        delete m_pPendingTranslator.data();
    m_pPendingTranslator = translator;
    m_strFile = m_languageFiles.at(row);
    m_strCode = code;
    m_bTranslateReady = true;
}

void CGeneralWidget::SaveGeneral()
{
    int general = 0;
    for (int i = 0; i < int(m_categoryBoxes.size()); ++i)
    {
        if (m_categoryBoxes[i]->isChecked())
            general |= kCategoryBits[i];
    }
    int replace = m_pReplaceMaster->isChecked() ? static_cast<int>(MF_ReplaceSwitch) : 0;
    for (int i = 0; i < int(m_replaceBoxes.size()); ++i)
    {
        if (m_replaceBoxes[i]->isChecked())
            replace |= kReplaceBits[i];
    }
    CAppSettings* settings = GetAppSettings();
    if (settings)
    {
        settings->SetGenernal(general);
        settings->SetReplace(replace);
    }
    if (!m_bTranslateReady)
        return;
    if (m_pPendingTranslator)
    {
        InstallInterfaceTranslator(m_pPendingTranslator);
        m_pPendingTranslator.clear();
        if (settings)
            settings->SetLanguage(m_strCode);
    }
    loadLanguage();
    emit sLanguageChange();
}

void CGeneralWidget::loadLanguage()
{
    m_pLanguageLabel->setText(tr("Language:"));
    m_pFixLabel->setText(tr("Fix:"));
    m_categoryBoxes[0]->setText(tr("Songs Without Album Artwork"));
    m_categoryBoxes[1]->setText(tr("Songs Without Artist"));
    m_categoryBoxes[2]->setText(tr("Songs Without Album"));
    m_categoryBoxes[3]->setText(tr("Songs Without Original Files"));
    m_pReplaceMaster->setText(tr("Replace original songs meta"));
    m_replaceBoxes[0]->setText(tr("Name"));
    m_replaceBoxes[1]->setText(tr("Artist"));
    m_replaceBoxes[2]->setText(tr("Album"));
    m_replaceBoxes[3]->setText(tr("Year"));
    m_replaceBoxes[4]->setText(tr("Genre"));
    m_pDescription->setText(tr("     Replace original songs meta with the new information from our server.\n"
                               "     This will help to modify wrong songs meta, and also overwrite some\n"
                               "     personal customized records."));
}
