#pragma once

#include <QLineEdit>
#include <QString>

// A single-line field that keeps a full text and, while it has no focus, shows a long one cut
// short with "…"; with focus it shows and edits the full text. Read the value with
// GetFullText, never text(). GUI thread.
class CLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CLineEdit(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    QString GetFullText() const { return m_strFullText; }

    // The text shown without focus in a field of the given width: the full text when it fits the
    // room the field gives its text, else the longest prefix (at least six characters) that fits
    // there together with "…", so the mark is always drawn whole.
    QString ElidedText(int width) const;

public slots:
    // Typing (with focus) changes the full text.
    void TextChanged(const QString& text);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Sets the shown text without touching the full text.
    void ShowText(const QString& text);

    // The part of a field of the given width that its frame and margins leave for the text.
    int TextRoom(int width) const;

    QString m_strFullText;
    bool m_bFocused = false;
    bool m_bRefresh = false;
};
