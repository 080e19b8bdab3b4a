// The catalogue verbs of talvero-ir, for people who script their home: list, add, remove. They ask
// and refuse as the learning page does; questions are answered No unless add is given --yes.
#include "VerbGroup.h"

#include "CatalogueStore.h"
#include "ConsolePrompt.h"
#include "Prompt.h"

namespace {

extern const Verb kList;
extern const Verb kAdd;
extern const Verb kRemove;

// A field of a listed row kept on its line: tabs and line breaks inside it become spaces.
QString field(QString text)
{
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

int runList(QStringList args)
{
    if (!args.isEmpty())
        return usageError(kList, QStringLiteral("no arguments expected"));
    const Result<QList<CatalogueRow>> rows = CatalogueStore::allRows();
    if (!rows) {
        printError(kList, rows.error());
        return 1;
    }
    for (const CatalogueRow& r : *rows) {
        const QStringList fields{r.device, r.name, r.button, r.description, r.fileName};
        QStringList line;
        for (const QString& f : fields)
            line << field(f);
        printLine(line.join(u'\t'));
    }
    return 0;
}

int runAdd(QStringList args)
{
    const std::optional<QString> from = takeOption(args, QStringLiteral("--from"));
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    if (args.size() != 4)
        return usageError(kAdd, QStringLiteral("DEVICE BUTTON NAME DESCRIPTION expected"));
    const CatalogueStore::NewSignal signal{args[0], args[2], args[1], args[3]};

    PromptService& previous = Prompts::service();
    ConsolePrompt prompt(yes ? PromptAnswer::Yes : PromptAnswer::No);
    Prompts::install(&prompt);
    const Result<CatalogueStore::AddOutcome> added =
        from ? CatalogueStore::addSignalFromFile(signal, *from) : CatalogueStore::addLearnedSignal(signal);
    Prompts::install(&previous);
    if (!added) {
        printError(kAdd, added.error());
        return 1;
    }
    return *added == CatalogueStore::AddOutcome::Stored ? 0 : 1;
}

int runRemove(QStringList args)
{
    if (args.size() != 2)
        return usageError(kRemove, QStringLiteral("DEVICE BUTTON expected"));
    const Result<bool> removed = CatalogueStore::deleteSignal(args[0], args[1]);
    if (!removed || !*removed) {
        printError(kRemove, removed ? QStringLiteral(
                                          "機器番号：%1、リモコンボタン番号：%2　のリモコン信号は記録されていません。")
                                          .arg(args[0], args[1])
                                    : removed.error());
        return 1;
    }
    return 0;
}

const Verb kList{QStringLiteral("list"), QStringLiteral("list"), runList};
const Verb kAdd{QStringLiteral("add"), QStringLiteral("add DEVICE BUTTON NAME DESCRIPTION [--from FILE] [--yes]"),
                runAdd};
const Verb kRemove{QStringLiteral("remove"), QStringLiteral("remove DEVICE BUTTON"), runRemove};

} // namespace

VerbGroup catalogueCommands()
{
    return {kList, kAdd, kRemove};
}
