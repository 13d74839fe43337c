#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one error type the program raises. It carries the program's own (German) message text;
// the application's top-level handler shows it in a box titled "Velmora" with a full stop added.
class VelmoraError : public std::exception
{
public:
    explicit VelmoraError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
