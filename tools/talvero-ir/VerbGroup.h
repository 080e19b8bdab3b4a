#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One verb of talvero-ir: its name, a usage line, and what runs it with the arguments after the verb.
// run returns the exit code: 0 success, 1 a failed result, 2 a usage error.
struct Verb {
    QString name;
    QString usage;
    int (*run)(QStringList args);
};
using VerbGroup = std::vector<Verb>;

// Output of every verb: one line per result, "key=value" pairs separated by spaces.
void printLine(const QString& line);
// Removes every "--name VALUE" and "--name=VALUE" from args and returns the values in order.
QStringList takeOptions(QStringList& args, const QString& name);
// The last value of the option, if any (all of them are removed).
std::optional<QString> takeOption(QStringList& args, const QString& name);
// A failure's explanation on standard error, "talvero-ir VERB: text".
void printError(const Verb& verb, const QString& text);
// A usage error: the message and the verb's usage on standard error; returns 2.
int usageError(const Verb& verb, const QString& message);
