#include "BugReport.h"

#include "AppGlobals.h"
#include "CWarnMessage.h"
#include "LanguageDirection.h"
#include "StyleTemplates.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QVBoxLayout>

CBugReport::CBugReport(QWidget* parent) : CDialog(parent)
{
    ApplyLanguageDirection(this);
    setObjectName(QStringLiteral("BugreportDialog"));
    // Taller than the form alone needs: the two-line note on what the report holds keeps clear of
    // the dialog's lower edge in every language.
    SetFixedSize(ScaledInt(620), ScaledInt(270));
    SetTitle(tr("BugReport"));

    auto* mainLayout = new QVBoxLayout;
    mainLayout->setContentsMargins(ScaledInt(20), ScaledInt(5), ScaledInt(20), ScaledInt(12));
    mainLayout->setSpacing(ScaledInt(10));

    auto* firstRow = new QHBoxLayout;
    firstRow->setSpacing(ScaledInt(10));
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("BugReportName"));
    m_pEmail = new QLineEdit(this);
    m_pEmail->setObjectName(QStringLiteral("BugReportEmail"));
    // The word is translated; the red mark beside it is the same in every language.
    auto* emailLabel = new QLabel(QStringLiteral("%1<font color=#FF0000>[*]</font>:").arg(tr("Email")), this);
    firstRow->addWidget(new QLabel(tr("Your Name:"), this));
    firstRow->addWidget(m_pName);
    firstRow->addWidget(emailLabel);
    firstRow->addWidget(m_pEmail);

    m_strPlaceholder = tr("~description here!");
    m_pDescription =
        new QTextEdit(QStringLiteral("<font color=#868686>%1</font>").arg(m_strPlaceholder), this);
    m_pDescription->setObjectName(QStringLiteral("BugReportDes"));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(ScaledInt(10));
    // What leaves the computer with the report, said before the user sends it.
    auto* contents = new QLabel(
        tr("The report includes the program's logs, its settings and your whole iTunes library file."), this);
    contents->setObjectName(QStringLiteral("BugReportContents"));
    contents->setWordWrap(true);
    buttonRow->addWidget(contents, 1);
    auto* report = new QPushButton(tr("Report"), this);
    report->setObjectName(QStringLiteral("ReportButton"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    for (QPushButton* button : {report, cancel})
    {
        button->setStyleSheet(ImageButtonStyle(button->objectName(), QStringLiteral("button"),
                                               ScaledValue(84), ScaledValue(24), QStringLiteral("#000000"),
                                               ScaledValue(12)));
        buttonRow->addWidget(button);
    }

    mainLayout->addSpacing(ScaledInt(20));
    mainLayout->addLayout(firstRow);
    mainLayout->addSpacing(ScaledInt(15));
    mainLayout->addWidget(m_pDescription);
    mainLayout->addLayout(buttonRow);
    AddLayout(mainLayout);

    connect(report, &QPushButton::clicked, this, &CBugReport::Report);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    m_pDescription->installEventFilter(this);
}

CBugReport::~CBugReport() = default;

QString CBugReport::Open(QWidget* parent)
{
    g_strBugReportResult.clear();
    Ask(parent);
    return g_strBugReportResult;
}

BugReportAnswer CBugReport::Ask(QWidget* parent)
{
    g_strBugReportResult.clear();
    CBugReport dialog(parent);
    dialog.exec();
    return dialog.Answer();
}

void CBugReport::Report()
{
    // Something, "@", a domain with a dot in it, and no spaces anywhere.
    static const QRegularExpression plausible(QStringLiteral("^[^\\s@]+@[^\\s@]+\\.[^\\s@]+$"));
    const QString email = m_pEmail->text();
    if (!plausible.match(email).hasMatch())
    {
        CWarnMessage::ShowMessage(this, QString(), tr("Invalid e-mail, please enter a correct one."), 0,
                                  QString(), QString(), QString(), 0);
        return;
    }
    m_answer.accepted = true;
    m_answer.name = m_pName->text();
    m_answer.email = email;
    m_answer.description = m_pDescription->toPlainText();
    g_strBugReportResult =
        QStringLiteral("%1:%2:%3").arg(m_answer.name, m_answer.email, m_answer.description);
    close();
}

bool CBugReport::eventFilter(QObject* watched, QEvent* event)
{
    // Only the grey placeholder is cleared when the box gets the focus; what the user typed
    // stays, also when the focus comes back after the address warning.
    if (watched == m_pDescription && event->type() == QEvent::FocusIn &&
        m_pDescription->toPlainText() == m_strPlaceholder)
    {
        m_pDescription->clear();
        m_pDescription->setCurrentCharFormat(QTextCharFormat());
    }
    return CDialog::eventFilter(watched, event);
}
