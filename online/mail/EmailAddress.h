#pragma once

#include <QObject>
#include <QString>

// One mail address with its display name, as used in the headers and the envelope.
class EmailAddress : public QObject
{
    Q_OBJECT
public:
    explicit EmailAddress(const QString& address = QString(), const QString& name = QString(),
                          QObject* parent = nullptr);

    void SetName(const QString& name) { m_name = name; }
    void SetAddress(const QString& address) { m_address = address; }
    const QString& GetName() const { return m_name; }
    const QString& GetAddress() const { return m_address; }

private:
    QString m_name;
    QString m_address;
};
