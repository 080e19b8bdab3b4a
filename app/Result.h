#pragma once

#include <QString>

#include <optional>
#include <utility>

// The outcome of an operation whose failure the user must hear about: a value, or the text that says
// what went wrong. The caller shows the text through the prompt service.
template <typename T> class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    static Result failure(QString error) { return Result(std::move(error), 0); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const T& operator*() const { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const QString& error() const { return m_error; }

private:
    Result(QString error, int) : m_error(std::move(error)) {}
    std::optional<T> m_value;
    QString m_error;
};

// A result that carries no value: success, or an error text.
class Status {
public:
    Status() = default;
    static Status failure(QString error) { return Status(std::move(error)); }
    bool ok() const { return m_error.isNull(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error; }

private:
    explicit Status(QString error) : m_error(error.isNull() ? QStringLiteral("") : std::move(error)) {}
    QString m_error;
};
