#include "commission/CommissionCardIndex.h"

#include "data/catalogue/TableCatalogue.h"
#include "data/company/TData.h"

namespace tarvela {

CommissionCardIndex::CommissionCardIndex(TData& data)
    : provKar_(data.ProvKar), indexFile_(indexFileOf("ProvKar", data.settings().companyNumber))
{
    if (!provKar_.isOpen())
        provKar_.open();
    provKar_.attachIndexFile(indexFile_);
    try {
        provKar_.selectTag("KOD");
    } catch (...) {
        provKar_.detachIndexFile(indexFile_);
        throw;
    }
}

CommissionCardIndex::~CommissionCardIndex()
{
    try {
        provKar_.detachIndexFile(indexFile_);
    } catch (...) {
        // Detaching only releases the file; never hide an error being thrown.
    }
}

bool CommissionCardIndex::find(const std::string& salesman, const std::string& card)
{
    return provKar_.seekKey({salesman, card});
}

double CommissionCardIndex::rate() const
{
    return provKar_.asFloat("PRK_PRO");
}

} // namespace tarvela
