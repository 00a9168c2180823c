#pragma once
// The host's exception for inconsistent data: a Dutch message for the user and
// the signature of the operation that found it.

#include <stdexcept>
#include <QString>

class EBrRuntime : public std::runtime_error {
public:
    EBrRuntime(const QString& message, const QString& location)
        : std::runtime_error(message.toStdString()), message_(message), location_(location)
    {
    }

    const QString& Message() const { return message_; }
    const QString& Location() const { return location_; }

private:
    QString message_;
    QString location_;
};
