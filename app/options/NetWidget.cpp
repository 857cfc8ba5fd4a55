#include "NetWidget.h"

#include "AppSettings.h"
#include "CMusicLink.h"
#include "CRangeValidator.h"
#include "StyleTemplates.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{

constexpr int kLowestPort = 1;
constexpr int kHighestPort = 65535;

} // namespace

CNetWidget::CNetWidget(CMusicLink* link, QWidget* parent) : QWidget(parent), m_pMusicLink(link)
{
    m_pTypeCombo = new QComboBox(this);
    m_pTypeCombo->setObjectName(QStringLiteral("ProxyType"));
    // The stored setting is the index: 0 no proxy, 1 HTTP. The names follow the language.
    m_pTypeCombo->addItems({QString(), QString()});
    m_pHostEdit = new QLineEdit(this);
    m_pHostEdit->setObjectName(QStringLiteral("ProxyHost"));
    m_pPortEdit = new QLineEdit(this);
    m_pPortEdit->setObjectName(QStringLiteral("ProxyPort"));
    CRangeValidator::Guard(m_pPortEdit, kLowestPort, kHighestPort);
    m_pUserEdit = new QLineEdit(this);
    m_pUserEdit->setObjectName(QStringLiteral("ProxyUser"));
    m_pPasswordEdit = new QLineEdit(this);
    m_pPasswordEdit->setObjectName(QStringLiteral("ProxyPassword"));
    m_pPasswordEdit->setEchoMode(QLineEdit::Password);

    m_pTypeLabel = new QLabel(this);
    m_pHostLabel = new QLabel(this);
    m_pPortLabel = new QLabel(this);
    m_pUserLabel = new QLabel(this);
    m_pPasswordLabel = new QLabel(this);

    auto* form = new QFormLayout(this);
    const int margin = ScaledInt(30);
    form->setContentsMargins(margin, margin, margin, margin);
    form->setSpacing(ScaledInt(20));
    form->addRow(m_pTypeLabel, m_pTypeCombo);
    form->addRow(m_pHostLabel, m_pHostEdit);
    form->addRow(m_pPortLabel, m_pPortEdit);
    form->addRow(m_pUserLabel, m_pUserEdit);
    form->addRow(m_pPasswordLabel, m_pPasswordEdit);

    loadLanguage();
    connect(m_pTypeCombo, &QComboBox::currentIndexChanged, this, &CNetWidget::CurrentIndex);
    LoadNet();
}

void CNetWidget::CurrentIndex(int index)
{
    const bool on = index > 0;
    for (QLineEdit* edit : {m_pHostEdit, m_pPortEdit, m_pUserEdit, m_pPasswordEdit})
        edit->setEnabled(on);
}

void CNetWidget::LoadNet()
{
    const CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    const bool on = settings->GetProxyEnabled() != 0;
    m_pHostEdit->setText(settings->GetProxyHost());
    // A stored port that no proxy can have is not offered as one.
    const int port = settings->GetProxyPort();
    m_pPortEdit->setText(port >= kLowestPort && port <= kHighestPort ? QString::number(port) : QString());
    m_pUserEdit->setText(settings->GetProxyUser());
    m_pPasswordEdit->setText(settings->GetProxyPassword());
    for (QLineEdit* edit : {m_pHostEdit, m_pPortEdit, m_pUserEdit, m_pPasswordEdit})
        edit->setEnabled(on);
    // Setting a different index runs CurrentIndex again, which has the last word on the fields.
    m_pTypeCombo->setCurrentIndex(on ? settings->GetProxyType() : 0);
}

void CNetWidget::SaveNet()
{
    CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    const int index = m_pTypeCombo->currentIndex();
    if (index < 1)
    {
        settings->SetProxyEnabled(0);
    }
    else
    {
        settings->SetProxyEnabled(1);
        settings->SetProxyType(index);
        settings->SetProxyHost(m_pHostEdit->text());
        // The field holds a port or nothing (0: none given).
        settings->SetProxyPort(m_pPortEdit->hasAcceptableInput() ? m_pPortEdit->text().toInt() : 0);
        settings->SetProxyUser(m_pUserEdit->text());
        settings->SetProxyPassword(m_pPasswordEdit->text());
    }
    if (m_pMusicLink)
        m_pMusicLink->SetManageProxy();
}

void CNetWidget::loadLanguage()
{
    m_pTypeLabel->setText(tr("Proxy type:"));
    m_pTypeCombo->setItemText(0, tr("None"));
    m_pTypeCombo->setItemText(1, tr("Http"));
    m_pHostLabel->setText(tr("Proxy host:"));
    m_pPortLabel->setText(tr("Proxy port:"));
    m_pUserLabel->setText(tr("Proxy name:"));
    m_pPasswordLabel->setText(tr("Proxy password:"));
}
