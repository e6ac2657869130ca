#include "data/verify/CompanyCheck.h"

#include "data/catalogue/IndexCatalogue.h"
#include "data/company/TData.h"
#include "data/company/TableRunProgress.h"
#include "data/verify/CardGroupCheck.h"
#include "data/verify/CompanyBooks.h"
#include "data/verify/CompanyIndexCheck.h"
#include "data/verify/MissingDocumentCheck.h"
#include "data/verify/PaidStateCheck.h"
#include "data/verify/SalesmanCheck.h"
#include "data/verify/SplitShareCheck.h"
#include "data/verify/TotalsCheck.h"
#include "platform/ReadBatch.h"

namespace tarvela {

namespace {

void append(Findings& all, const Findings& more)
{
    all.insert(all.end(), more.begin(), more.end());
}

} // namespace

Findings checkCompany(TData& data, TableRunProgress* progress)
{
    const ReadBatch batch;  // the check waits on nobody
    if (progress)
        progress->start(CompanyBooks::kTablesRead + kCardGroupTablesRead + indexCatalogue().size());
    Findings findings;
    {  // the books go before the index files are read
        const CompanyBooks books(data, progress);
        append(findings, checkHeaderTotals(books, data.settings()));
        append(findings, checkPaidState(books));
        append(findings, checkRowsWithoutDocument(books));
        append(findings, checkSplitShares(books));
        append(findings, checkSalesmenExist(books));
        append(findings, checkCardGroups(data, books, progress));
    }
    append(findings, checkCompanyIndexes(data.settings(), progress));
    return findings;
}

} // namespace tarvela
