#pragma once

#include <QImage>
#include <QWidget>

class CLabel;
class QLabel;
class QPushButton;

// The header row of a result list: title, count badge and a Skip / Cancel Skip button.
class CTreeItemTool : public QWidget
{
    Q_OBJECT

public:
    CTreeItemTool(const QString& title, int listId, QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    void ShowSkip(bool show);
    // Gives the button another text and the "failed_fix" style.
    void SetSkipText(const QString& text);
    // Writes the count into the badge and places it after the title.
    void SetCount(int count);
    int SkipFlag() const { return m_skip; }

signals:
    // (list identifier, skip flag before the toggle)
    void SkipOperating(int listId, int skip);

public slots:
    void Skip();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_listId;
    CLabel* m_pCount = nullptr;
    QLabel* m_pTitle = nullptr;
    QPushButton* m_pSkip = nullptr;
    QImage m_background;
    int m_skip = 1;
    int m_titleWidth = 0;
};
