#include "ConsolePrompt.h"
#include "DataFolder.h"
#include "VerbGroup.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// The verb groups, one line each.
VerbGroup irCommands();
VerbGroup catalogueCommands();

namespace {

VerbGroup (*const kVerbGroups[])() = {
    irCommands,
    catalogueCommands,
};

void printUsage(QTextStream& out)
{
    out << "usage: talvero-ir [--home DIR] VERB ...\n";
    for (auto group : kVerbGroups) {
        for (const Verb& verb : group())
            out << "  talvero-ir " << verb.usage << '\n';
    }
}

} // namespace

void printLine(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

QStringList takeOptions(QStringList& args, const QString& name)
{
    QStringList values;
    const QString prefix = name + u'=';
    for (qsizetype i = 0; i < args.size();) {
        if (args[i] == name && i + 1 < args.size()) {
            values << args[i + 1];
            args.remove(i, 2);
        } else if (args[i].startsWith(prefix)) {
            values << args[i].mid(prefix.size());
            args.remove(i);
        } else {
            ++i;
        }
    }
    return values;
}

std::optional<QString> takeOption(QStringList& args, const QString& name)
{
    const QStringList values = takeOptions(args, name);
    return values.isEmpty() ? std::nullopt : std::optional<QString>(values.last());
}

void printError(const Verb& verb, const QString& text)
{
    QTextStream(stderr) << "talvero-ir " << verb.name << ": " << text << '\n';
}

int usageError(const Verb& verb, const QString& message)
{
    QTextStream err(stderr);
    err << "talvero-ir " << verb.name << ": " << message << "\nusage: talvero-ir " << verb.usage << '\n';
    return 2;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    ConsolePrompt prompt;
    Prompts::install(&prompt);
    if (const Status ready = DataFolder::setUp(&args); !ready) {
        QTextStream(stderr) << "talvero-ir: " << ready.error() << '\n';
        return 1;
    }
    QTextStream err(stderr);
    if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") {
        printUsage(err);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (auto group : kVerbGroups) {
        for (const Verb& verb : group()) {
            if (verb.name == name)
                return verb.run(args);
        }
    }
    err << "talvero-ir: unknown verb \"" << name << "\"\n";
    printUsage(err);
    return 2;
}
