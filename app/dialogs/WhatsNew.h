#pragma once

#include "CDialog.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

// The program icon at a dialog's top left: 50 x 50 at the UI scale.
class DialogIcon : public QWidget
{
public:
    explicit DialogIcon(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The update check's outcome: a message, an optional what's-new text and an Update button that
// opens the download page. Built, filled and run modally by its caller.
class WhatsNew : public CDialog
{
    Q_OBJECT

public:
    explicit WhatsNew(QWidget* parent = nullptr);
    ~WhatsNew() override;

    void SetVersionText(const QString& text);
    void SetWhatsNewText(const QString& text);
    void SetDownloadUrl(const QString& url);
    void SetButtonText(const QString& text);
    // 0 or 1: the action button reads "Update"; anything else hides it.
    void SetButtonMode(int mode);

    // Only web addresses are ever opened from an update reply.
    static bool IsOpenableDownloadUrl(const QString& url);

public slots:
    // Opens the download address when it is a web address, then closes the dialog either way.
    void download();

private:
    DialogIcon* m_pIcon = nullptr;
    QLabel* m_pMessage = nullptr;
    QTextBrowser* m_pBrowser = nullptr;
    QPushButton* m_pAction = nullptr;
    QPushButton* m_pCancel = nullptr;
    QString m_strDownloadUrl;
};
