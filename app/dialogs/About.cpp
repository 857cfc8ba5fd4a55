#include "About.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "CLabelPress.h"
#include "StyleTemplates.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace
{
bool arabic()
{
    return GetAppSettings()->GetLanguage() == "ar";
}
} // namespace

QString CAbout::SupportTarget(const QString& address)
{
    // Web pages open as pages whether plain or secure; anything else is a mail address.
    if (address.startsWith("http://") || address.startsWith("https://"))
        return address;
    return "mailto:" + address;
}

CAbout::CAbout(QWidget* parent, Qt::WindowFlags flags) : CDialog(parent, flags)
{
    setObjectName("AboutDialog");
    SetFixedSize(ScaledInt(640), ScaledInt(250));
    SetTitle(tr("About"));

    m_pIcon = new QLabel(this);
    m_pIcon->setPixmap(
        QPixmap(":/res/res/win/label/icon.png")
            .scaled(ScaledInt(128), ScaledInt(128), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    m_pIcon->setMinimumSize(ScaledInt(128), ScaledInt(128));
    m_pIcon->setMaximumSize(ScaledInt(128), ScaledInt(128));

    m_pLogo = new QLabel(this);
    m_pLogo->setPixmap(QPixmap(":/res/res/win/label/dialog_logo.png").scaled(ScaledInt(57), ScaledInt(15)));

    m_pName = new QLabel(tr("Tidewell"), this);
    QFont nameFont = QApplication::font();
    nameFont.setBold(true);
    nameFont.setPointSize(ScaledInt(30));
    m_pName->setFont(nameFont);
    // The program's dark blue: the dialog's face is near white.
    m_pName->setStyleSheet("QLabel{color: #12489a;}");

    m_pVersion = new QLabel((arabic() ? QString(8, ' ') : QString()) + g_strVersion, this);

    const QString notice = tr("Copyright (C) Zavro. All rights reserved.");
    m_pNotice = new QLabel("<div>" + (arabic() ? QString(42, ' ') : QString()) + notice + "</div>", this);

    m_pCredit = new QLabel(tr("Music database powered by ACRcloud"), this);

    m_pSupport = new CLabelPress(SupportTarget(g_strSupportAddress), g_strSupportAddress, this);
    m_pHome = new CLabelPress(g_strHomeUrl, g_strHomeUrl, this);

    auto* form = new QFormLayout;
    form->addRow(tr("Version:"), m_pVersion);
    form->addRow(tr("Support:"), m_pSupport);
    form->addRow(tr("Home Page:"), m_pHome);
    form->setVerticalSpacing(0);
    // Each label keeps clear of its value.
    form->setHorizontalSpacing(ScaledInt(10));
    form->setFormAlignment(Qt::AlignLeft);

    auto* column = new QVBoxLayout;
    column->addSpacing(ScaledInt(15));
    column->addWidget(m_pLogo, 0, Qt::AlignHCenter);
    column->addWidget(m_pName, 0, Qt::AlignHCenter);
    column->addSpacing(ScaledInt(35));
    column->addLayout(form);
    column->addSpacing(ScaledInt(10));
    column->addWidget(m_pNotice, 0, Qt::AlignLeft);
    column->addWidget(m_pCredit, 0, Qt::AlignLeft);
    column->addSpacing(ScaledInt(35));

    auto* row = new QHBoxLayout;
    row->addSpacing(ScaledInt(40));
    row->addWidget(m_pIcon);
    row->addSpacing(ScaledInt(40));
    row->addLayout(column);
    AddLayout(row);
}

CAbout::~CAbout() = default;
