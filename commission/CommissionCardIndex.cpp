#include "commission/CommissionCardIndex.h"

#include "data/DbfTable.h"

namespace tarvela {

namespace {
const char* const indexFile = "PRK0000.cdx";
}

CommissionCardIndex::CommissionCardIndex(DbfTable& provKar) : provKar_(provKar)
{
    if (!provKar_.isOpen())
        provKar_.open();
    provKar_.attachIndexFile(indexFile);
    try {
        provKar_.selectTag("KOD");
    } catch (...) {
        provKar_.detachIndexFile(indexFile);
        throw;
    }
}

CommissionCardIndex::~CommissionCardIndex()
{
    try {
        provKar_.detachIndexFile(indexFile);
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
