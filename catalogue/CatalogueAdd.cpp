#include "CatalogueStore.h"

#include "CatalogueDatabase.h"
#include "CatalogueKeys.h"
#include "CatalogueQuery.h"
#include "Prompt.h"
#include "SignalFilePlacement.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace CatalogueStore {

namespace {

const QString kBadKeys = QStringLiteral("機器番号は0〜9の1桁、リモコンボタン番号は00〜99の2桁で指定してください。");
const QString kNoName = QStringLiteral("機器の名前が指定されていません。名前をつけずに記録しますか？");
const QString kNoDescription = QStringLiteral("機能の説明が指定されていません。説明をつけずに記録しますか？");
const QString kOverwrite =
    QStringLiteral("指定した機器番号とリモコンボタン番号はすでに記録されています。上書きする場合は'はい'を、"
                   "訂正する場合は'いいえ'を押してください");

Result<AddOutcome> failure(const QString& error)
{
    return Result<AddOutcome>::failure(error);
}

Result<bool> pairIsStored(const QSqlDatabase& db, const NewSignal& signal)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (Status run = CatalogueQuery::exec(query, CatalogueDatabase::kDeviceQuery, {signal.device}); !run)
        return Result<bool>::failure(run.error());
    while (query.next()) {
        if (query.value(CatalogueDatabase::kButton).toString() == signal.button)
            return true;
    }
    return false;
}

// Replaces the rows of the pair by the new one and puts the signal file in place, all or nothing:
// the file is placed inside the transaction, so no row is committed without its file.
Status replaceRow(QSqlDatabase db, const NewSignal& signal, SignalFilePlacement& file, const QString& target)
{
    const auto dbError = [&] {
        return Status::failure(
            QStringLiteral("リモコン信号のデータベース %1 に書き込めません: %2")
                .arg(QDir::toNativeSeparators(CatalogueDatabase::filePath()), db.lastError().text()));
    };
    if (!db.transaction())
        return dbError();
    Status done;
    {
        QSqlQuery remove(db);
        QSqlQuery insert(db);
        done = CatalogueQuery::exec(remove, CatalogueQuery::kDeletePair, {signal.device, signal.button});
        if (done)
            done = CatalogueQuery::exec(insert, CatalogueQuery::kInsertRow,
                                        {signal.device, signal.name, signal.button, signal.description, target});
    }
    if (done)
        done = file.place();
    if (done && !db.commit()) {
        done = dbError();
        file.undo();
    }
    if (!done)
        db.rollback();
    return done;
}

Result<AddOutcome> addSignal(const NewSignal& signal, const QString& source, SignalFilePlacement::Mode mode)
{
    if (!CatalogueKeys::isPair(signal.device, signal.button))
        return failure(kBadKeys);
    if (!QFileInfo(source).isFile())
        return failure(
            QStringLiteral("リモコン信号のファイル %1 が見つかりません。").arg(QDir::toNativeSeparators(source)));
    if (signal.name == kUnregistered && !Prompts::question(kNoName))
        return AddOutcome::Declined;
    if (signal.description.isEmpty() && !Prompts::question(kNoDescription))
        return AddOutcome::Declined;

    const Result<CatalogueConnection> connection = CatalogueConnection::open();
    if (!connection)
        return failure(connection.error());
    const Result<bool> stored = pairIsStored(connection->database(), signal);
    if (!stored)
        return failure(stored.error());
    if (*stored && !Prompts::question(kOverwrite))
        return AddOutcome::Declined;

    const QString target = CatalogueKeys::signalFilePath(signal.device, signal.button);
    QDir().mkpath(QFileInfo(target).absolutePath());
    SignalFilePlacement file(source, target, mode);
    if (Status replaced = replaceRow(connection->database(), signal, file, target); !replaced)
        return failure(replaced.error());
    return AddOutcome::Stored;
}

} // namespace

Result<AddOutcome> addLearnedSignal(const NewSignal& signal)
{
    return addSignal(signal, CatalogueKeys::workFilePath(), SignalFilePlacement::Mode::Move);
}

Result<AddOutcome> addSignalFromFile(const NewSignal& signal, const QString& file)
{
    return addSignal(signal, file, SignalFilePlacement::Mode::Copy);
}

} // namespace CatalogueStore
