// A company for the reindexing tests: Merkan.ini, the users table and every
// table of the index catalogue, each with the fields its layout binds and
// the fields its key expressions and FOR conditions read. No index files
// until a test builds them.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/dbf/FieldValue.h"
#include "data/company/TData.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace tarvela::test {

class ReindexCompany {
public:
    using Row = std::map<std::string, FieldValue>;

    ReindexCompany();

    // Rewrites the member's table file with these rows (and no others).
    void writeTable(const std::string& member, const std::vector<Row>& rows);

    TData& data();
    std::string dataDirectory() const;  // ends with '/'
    std::string indexPath(const std::string& member) const;
    std::string tablePath(const std::string& member) const;

    RecordingUi ui;

private:
    TempDir folder_;
    std::unique_ptr<TData> data_;
};

} // namespace tarvela::test
