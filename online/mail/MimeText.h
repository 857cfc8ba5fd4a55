#pragma once

#include "MimePart.h"

// A plain-text part in UTF-8, sent as 8bit.
class MimeText : public MimePart
{
public:
    explicit MimeText(const QString& text = QString(), QObject* parent = nullptr);

    void SetText(const QString& text) { m_text = text; }
    const QString& GetText() const { return m_text; }

    void Prepare() override;

private:
    QString m_text;
};
