#include "commission/SplitRecord.h"

#include <algorithm>
#include <cctype>

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

bool isSought(const DbfTable& delProv, const std::string& document, const std::string& salesman)
{
    return sameNumber(delProv.asString("DPR_FAK"), document) && sameNumber(delProv.asString("DPR_OBC"), salesman);
}

SplitRecord readSplit(const DbfTable& delProv)
{
    return {delProv.asFloat("DPR_PRO"), delProv.asFloat("DPR_OBR"), delProv.asString("DPR_TYP"),
            delProv.asFloat("DPR_PRS")};
}

std::optional<SplitRecord> seekSplit(DbfTable& delProv, const std::string& document, const std::string& salesman)
{
    if (!delProv.seek(document, true))
        return std::nullopt;
    for (; !delProv.eof() && sameNumber(delProv.asString("DPR_FAK"), document); delProv.next())
        if (sameNumber(delProv.asString("DPR_OBC"), salesman))
            return readSplit(delProv);
    return std::nullopt;
}

std::optional<SplitRecord> walkForSplit(DbfTable& delProv, const std::string& document, const std::string& salesman)
{
    for (delProv.first(); !delProv.eof(); delProv.next())
        if (isSought(delProv, document, salesman))
            return readSplit(delProv);
    return std::nullopt;
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

std::optional<SplitRecord> findSplitRecord(DbfTable& delProv, const std::string& indexFile,
                                           const std::string& document, const std::string& salesman)
{
    if (isDocumentTag(delProv.activeTag()))
        return seekSplit(delProv, document, salesman);
    std::optional<DocumentTagScope> tag;
    try {
        tag.emplace(delProv, indexFile);
    } catch (const Error&) {
        return walkForSplit(delProv, document, salesman);  // index file missing or damaged
    }
    return seekSplit(delProv, document, salesman);
}

} // namespace tarvela
