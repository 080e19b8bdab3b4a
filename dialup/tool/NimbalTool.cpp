// Nimbal: registers the dial-up class, or calls its methods for diagnostics.
//   Nimbal --register | --unregister
//   Nimbal --call METHOD [ARGS…] [--call METHOD [ARGS…]]…   (all calls go to one object, in order)
// A password argument of Connect is "-" (one line read from standard input) or empty: it is never
// taken from the command line, where every user of the machine could read it.

#include "ComponentObject.h"
#include "NimbalClass.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr int kUsage = 2;
constexpr int kPasswordArg = 2;

int usage()
{
    std::cerr << "usage: Nimbal --register | --unregister | --call METHOD [ARGS...] [--call ...]\n"
                 "       Connect's password is given as - and read from standard input\n";
    return kUsage;
}

void print(const QVariant& v)
{
    QTextStream out(stdout);
    if (v.typeId() == QMetaType::QVariantList) {
        for (const QVariant& item : v.toList())
            out << item.toString() << '\n';
        return;
    }
    out << v.toString() << '\n';
}

// The arguments of one call; false when a password is given in the clear.
bool callArguments(const QString& method, const QStringList& words, QVariantList* args)
{
    for (int i = 0; i < words.size(); ++i) {
        if (method.compare(u"Connect", Qt::CaseInsensitive) == 0 && i == kPasswordArg) {
            if (words[i] == u"-") {
                std::string line;
                std::getline(std::cin, line);
                *args << QString::fromStdString(line);
                continue;
            }
            if (!words[i].isEmpty())
                return false;
        }
        *args << words[i];
    }
    return true;
}

int callAll(const QStringList& words)
{
    std::unique_ptr<ComponentObject> dial(
        talvero_component_create(NimbalClass::kClassId, Component::kDispatchInterface));
    for (qsizetype i = 0; i < words.size();) {
        if (words[i] != u"--call" || i + 1 >= words.size())
            return usage();
        const QString method = words[i + 1];
        qsizetype end = i + 2;
        while (end < words.size() && words[end] != u"--call")
            ++end;
        QVariantList args;
        if (!callArguments(method, words.mid(i + 2, end - i - 2), &args)) {
            std::cerr << "Nimbal: give the password as - and write it to standard input\n";
            return kUsage;
        }
        const Result<QVariant> result = callMethod(*dial, method, args);
        if (!result) {
            std::cerr << "Nimbal: " << result.error().toStdString() << '\n';
            return kUsage;
        }
        print(*result);
        i = end;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList words = app.arguments().mid(1);
    if (words == QStringList{QStringLiteral("--register")})
        return talvero_component_register();
    if (words == QStringList{QStringLiteral("--unregister")})
        return talvero_component_unregister();
    if (words.isEmpty() || words.first() != u"--call")
        return usage();
    return callAll(words);
}
