#include "ReadIRData.h"

#include "CatalogueStore.h"

namespace {

InMemoryCatalogue& programCatalogue()
{
    static InMemoryCatalogue catalogue;
    return catalogue;
}

} // namespace

const InMemoryCatalogue& irCatalogue()
{
    return programCatalogue();
}

Status ReadIRData()
{
    const Result<QList<CatalogueRow>> rows = CatalogueStore::allRows();
    if (!rows) {
        programCatalogue().clear();
        return Status::failure(rows.error());
    }
    programCatalogue().load(*rows);
    return {};
}
