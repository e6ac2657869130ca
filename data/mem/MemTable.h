// An in-memory table: named, typed fields, declared indexes of which one can
// be selected (rows then stand in its order), a cursor, locate, append and
// edit, and a calculation that fills the calculated fields whenever a row is
// read. Rows are lost when it is closed; whoever fills it empties it.
// Structure (fields, indexes, calculation) is declared while it is closed.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/mem/MemIndex.h"
#include "data/mem/MemLookup.h"
#include "data/mem/MemRecord.h"
#include "data/mem/MemSchema.h"

namespace tarvela {

class MemTable {
public:
    enum class State { Closed, Browse, Edit, Insert };
    using Row = std::vector<MemValue>;
    // The rows of an open table and their order, kept aside to be put back
    // later exactly as they were, as when rows computed early are shown late.
    struct Contents {
        std::vector<Row> rows;
        std::vector<std::size_t> order;
    };
    using Calculation = std::function<void(MemRecord&)>;

    explicit MemTable(std::string name);

    const std::string& name() const { return name_; }
    const MemSchema& schema() const { return schema_; }

    void addField(const MemField& field);
    void addIndex(const MemIndex& index);
    // The declared sort order, "A;B"; rows are never sorted by it implicitly.
    void setSortFields(const std::string& fields);
    const std::string& sortFields() const { return sortFields_; }
    void setCalculation(Calculation calculation);

    void open();   // opening an open table keeps its rows
    void close();  // drops rows and any pending change
    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    void removeAllRows();
    // Moves the rows out, leaving the table empty and open.
    Contents takeContents();
    // Opens the table with the rows, in their order then, first row current.
    void restoreContents(Contents contents);

    // Empty name: rows in the order they were added.
    void selectIndex(const std::string& name);
    const std::string& activeIndex() const { return activeIndex_; }

    void first();
    void next();
    bool eof() const;
    std::size_t rowCount() const;
    bool isEmpty() const { return rowCount() == 0; }
    // Positions on the first row in the current order whose fields equal the
    // values exactly; leaves the position unchanged when none does.
    bool locate(const std::vector<std::string>& fields, const std::vector<MemValue>& values);

    // The current row (or the row being edited or appended).
    bool isNull(const std::string& field) const { return current().isNull(field); }
    std::string asString(const std::string& field) const { return current().asString(field); }
    double asFloat(const std::string& field) const { return current().asFloat(field); }
    double asDateTime(const std::string& field) const { return current().asDateTime(field); }
    DayNumber asDate(const std::string& field) const { return current().asDate(field); }
    const MemValue& value(std::size_t fieldIndex) const { return current().value(fieldIndex); }

    void append();
    void edit();
    void post();
    void cancel();
    void setString(const std::string& field, const std::string& value);
    void setFloat(const std::string& field, double value);
    void setDateTime(const std::string& field, double value);
    void setDate(const std::string& field, DayNumber value);
    void clear(const std::string& field);
    // The same by the field's position (schema().indexOf), for a run that
    // writes the same fields into many rows.
    void setString(std::size_t field, const std::string& value);
    void setFloat(std::size_t field, double value);

private:
    void requireOpen() const;
    void requireBrowse() const;
    // The field's position, when the pending row may be written there.
    std::size_t writableField(const std::string& field) const;
    void requireWritable(std::size_t field) const;
    MemRecord current() const;
    Row blankRow() const;
    const MemIndex* selected() const;
    std::vector<std::size_t> positionsOf(const std::vector<std::string>& fields) const;
    bool keyLess(std::size_t left, std::size_t right) const;
    bool keyEqual(std::size_t left, std::size_t right) const;
    void rebuildOrder();
    void placeInOrder(std::size_t row);
    std::size_t positionOf(std::size_t row) const;
    void moveTo(std::size_t position);
    MemLookup& lookupFor(const std::vector<std::string>& fields);

    std::string name_;
    MemSchema schema_;
    std::vector<MemIndex> indexes_;
    std::string sortFields_;
    Calculation calculation_;

    State state_ = State::Closed;
    std::vector<Row> rows_;            // in the order they were added
    std::vector<std::size_t> order_;   // visible rows in the current order
    std::size_t position_ = 0;         // into order_; order_.size() at the end
    std::string activeIndex_;
    std::vector<std::size_t> activeKey_;
    Row buffer_;
    std::size_t editedRow_ = 0;
    std::map<std::string, std::unique_ptr<MemLookup>> lookups_;
};

} // namespace tarvela
