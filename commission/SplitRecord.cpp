#include "commission/SplitRecord.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>

#include "data/table/DbfTable.h"
#include "data/documents/DocumentRows.h"
#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

const char* const kDocumentTag = "DO1";

bool isDocumentTag(const std::string& tag)
{
    return equalIgnoringAsciiCase(tag, kDocumentTag);
}

SplitRecord readSplit(const DbfTable& delProv)
{
    return {delProv.asFloat("DPR_PRO"), delProv.asFloat("DPR_OBR"), delProv.asString("DPR_TYP"),
            delProv.asFloat("DPR_PRS"), delProv.asString("DPR_OBC")};
}

// Records of the document (and salesman, when one is given) until `enough`
// says stop.
using Wanted = std::function<bool(const SplitRecord&)>;

void seekSplits(DbfTable& delProv, const std::string& document, const std::string* salesman, const Wanted& take)
{
    if (!delProv.seek(document, true))
        return;
    for (; !delProv.eof() && sameNumber(delProv.asString("DPR_FAK"), document); delProv.next())
        if ((salesman == nullptr || sameNumber(delProv.asString("DPR_OBC"), *salesman)) && !take(readSplit(delProv)))
            return;
}

void walkForSplits(DbfTable& delProv, const std::string& document, const std::string* salesman, const Wanted& take)
{
    for (delProv.first(); !delProv.eof(); delProv.next())
        if (sameNumber(delProv.asString("DPR_FAK"), document)
            && (salesman == nullptr || sameNumber(delProv.asString("DPR_OBC"), *salesman)) && !take(readSplit(delProv)))
            return;
}

// Makes the document tag active for one search and puts back what was there.
class DocumentTagScope {
public:
    DocumentTagScope(DbfTable& delProv, const std::string& indexFile)
        : delProv_(delProv), indexFile_(indexFile), previousTag_(delProv.activeTag())
    {
        try {
            delProv_.selectTag(kDocumentTag);
        } catch (const Error&) {
            delProv_.attachIndexFile(indexFile_);
            attached_ = true;
            delProv_.selectTag(kDocumentTag);
        }
    }
    ~DocumentTagScope()
    {
        try {
            if (attached_)
                delProv_.detachIndexFile(indexFile_);
            delProv_.selectTag(previousTag_);
        } catch (...) {
            // Restoring the order must not hide the error being thrown.
        }
    }
    DocumentTagScope(const DocumentTagScope&) = delete;
    DocumentTagScope& operator=(const DocumentTagScope&) = delete;

private:
    DbfTable& delProv_;
    std::string indexFile_;
    std::string previousTag_;
    bool attached_ = false;
};

} // namespace

namespace {

void visitSplits(DbfTable& delProv, const std::string& indexFile, const std::string& document,
                 const std::string* salesman, const Wanted& take)
{
    if (isDocumentTag(delProv.activeTag()))
        return seekSplits(delProv, document, salesman, take);
    std::optional<DocumentTagScope> tag;
    try {
        tag.emplace(delProv, indexFile);
    } catch (const Error&) {
        return walkForSplits(delProv, document, salesman, take);  // index file missing or damaged
    }
    seekSplits(delProv, document, salesman, take);
}

} // namespace

std::optional<SplitRecord> findSplitRecord(DbfTable& delProv, const std::string& indexFile,
                                           const std::string& document, const std::string& salesman)
{
    std::optional<SplitRecord> found;
    visitSplits(delProv, indexFile, document, &salesman, [&](const SplitRecord& split) {
        found = split;
        return false;
    });
    return found;
}

std::vector<SplitRecord> splitRecordsOf(DbfTable& delProv, const std::string& indexFile,
                                        const std::string& document)
{
    std::vector<SplitRecord> splits;
    visitSplits(delProv, indexFile, document, nullptr, [&](const SplitRecord& split) {
        splits.push_back(split);
        return true;
    });
    return splits;
}

std::vector<std::vector<SplitRecord>> splitRecordsOfDocuments(DbfTable& delProv, const std::string& indexFile,
                                                              const std::vector<std::string>& documents)
{
    // Without the tag each search attaches and detaches the index file,
    // which must not happen under a hold.
    std::optional<DbfTable::IndexHold> held;
    if (isDocumentTag(delProv.activeTag()))
        held.emplace(delProv);
    std::vector<std::vector<SplitRecord>> splits;
    splits.reserve(documents.size());
    for (const std::string& document : documents)
        splits.push_back(splitRecordsOf(delProv, indexFile, document));
    return splits;
}

} // namespace tarvela
