#include "data/mem/MemTable.h"

#include <algorithm>
#include <cctype>

#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

MemTable::MemTable(std::string name) : name_(std::move(name)) {}

void MemTable::addField(const MemField& field)
{
    if (isOpen())
        throw Error("Cannot change the structure of the open table " + name_);
    schema_.add(field);
}

void MemTable::addIndex(const MemIndex& index)
{
    for (const std::string& field : index.fields)
        schema_.indexOf(field);
    indexes_.push_back(index);
}

void MemTable::setSortFields(const std::string& fields)
{
    positionsOf(splitFieldList(fields));
    sortFields_ = fields;
}

void MemTable::setCalculation(Calculation calculation)
{
    calculation_ = std::move(calculation);
}

void MemTable::open()
{
    if (isOpen())
        return;
    state_ = State::Browse;
    position_ = 0;
}

void MemTable::close()
{
    state_ = State::Closed;
    rows_.clear();
    order_.clear();
    lookups_.clear();
    position_ = 0;
}

void MemTable::removeAllRows()
{
    requireOpen();
    rows_.clear();
    order_.clear();
    for (auto& [fields, lookup] : lookups_)
        lookup->clear();
    state_ = State::Browse;
    position_ = 0;
}

MemTable::Contents MemTable::takeContents()
{
    requireBrowse();
    Contents contents{std::move(rows_), std::move(order_)};
    removeAllRows();
    return contents;
}

void MemTable::restoreContents(Contents contents)
{
    open();
    requireBrowse();
    rows_ = std::move(contents.rows);
    order_ = std::move(contents.order);
    lookups_.clear();
    moveTo(0);
}

void MemTable::requireOpen() const
{
    if (!isOpen())
        throw Error("Cannot perform this operation on a closed dataset (" + name_ + ")");
}

void MemTable::requireBrowse() const
{
    requireOpen();
    if (state_ != State::Browse)
        throw Error("Dataset " + name_ + " is in edit or insert mode");
}

const MemIndex* MemTable::selected() const
{
    for (const MemIndex& index : indexes_)
        if (index.name == activeIndex_)
            return &index;
    return nullptr;
}

std::vector<std::size_t> MemTable::positionsOf(const std::vector<std::string>& fields) const
{
    std::vector<std::size_t> positions;
    for (const std::string& field : fields)
        positions.push_back(schema_.indexOf(field));
    return positions;
}

void MemTable::selectIndex(const std::string& name)
{
    requireBrowse();
    const auto found = std::find_if(indexes_.begin(), indexes_.end(), [&](const MemIndex& index) {
        return equalIgnoringAsciiCase(index.name, name);
    });
    if (!name.empty() && found == indexes_.end())
        throw Error("Index '" + name + "' not found in " + name_);
    activeIndex_ = name.empty() ? std::string() : found->name;
    activeKey_ = name.empty() ? std::vector<std::size_t>() : positionsOf(found->fields);
    rebuildOrder();
    moveTo(0);
}

bool MemTable::keyLess(std::size_t left, std::size_t right) const
{
    const int order = compareRows(rows_[left], rows_[right], activeKey_);
    return selected()->descending ? order > 0 : order < 0;
}

bool MemTable::keyEqual(std::size_t left, std::size_t right) const
{
    return compareRows(rows_[left], rows_[right], activeKey_) == 0;
}

void MemTable::rebuildOrder()
{
    order_.resize(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row)
        order_[row] = row;
    const MemIndex* index = selected();
    if (!index)
        return;
    std::stable_sort(order_.begin(), order_.end(),
                     [this](std::size_t a, std::size_t b) { return keyLess(a, b); });
    if (index->unique)
        order_.erase(std::unique(order_.begin(), order_.end(),
                                 [this](std::size_t a, std::size_t b) { return keyEqual(a, b); }),
                     order_.end());
}

void MemTable::placeInOrder(std::size_t row)
{
    const MemIndex* index = selected();
    if (!index) {
        order_.push_back(row);
        return;
    }
    const auto at = std::upper_bound(order_.begin(), order_.end(), row,
                                     [this](std::size_t a, std::size_t b) { return keyLess(a, b); });
    const bool hidden = index->unique && at != order_.begin() && keyEqual(*(at - 1), row);
    if (!hidden)
        order_.insert(at, row);
}

std::size_t MemTable::positionOf(std::size_t row) const
{
    if (!selected())
        return row;
    auto at = std::lower_bound(order_.begin(), order_.end(), row,
                               [this](std::size_t a, std::size_t b) { return keyLess(a, b); });
    for (; at != order_.end() && keyEqual(*at, row); ++at)
        if (*at == row)
            return std::size_t(at - order_.begin());
    return order_.size();
}

void MemTable::moveTo(std::size_t position)
{
    position_ = std::min(position, order_.size());
    if (calculation_ && position_ < order_.size()) {
        MemRecord record(schema_, rows_[order_[position_]]);
        calculation_(record);
    }
}

void MemTable::first()
{
    requireBrowse();
    moveTo(0);
}

void MemTable::next()
{
    requireBrowse();
    if (position_ < order_.size())
        moveTo(position_ + 1);
}

bool MemTable::eof() const
{
    requireOpen();
    return position_ >= order_.size();
}

std::size_t MemTable::rowCount() const
{
    requireOpen();
    return order_.size();
}

MemLookup& MemTable::lookupFor(const std::vector<std::string>& fields)
{
    const std::vector<std::size_t> positions = positionsOf(fields);
    std::string name;
    for (const std::size_t position : positions)
        name += std::to_string(position) + ';';
    auto& lookup = lookups_[name];
    if (!lookup) {
        lookup = std::make_unique<MemLookup>(positions);
        for (std::size_t row = 0; row < rows_.size(); ++row)
            lookup->add(row, rows_[row]);
    }
    return *lookup;
}

bool MemTable::locate(const std::vector<std::string>& fields, const std::vector<MemValue>& values)
{
    requireBrowse();
    if (fields.size() != values.size())
        throw Error("Locate on " + name_ + " needs one value per field");
    std::size_t best = order_.size();
    for (const std::size_t row : lookupFor(fields).find(values))
        best = std::min(best, positionOf(row));
    if (best == order_.size())
        return false;
    moveTo(best);
    return true;
}

MemTable::Row MemTable::blankRow() const
{
    Row row(schema_.size());
    for (std::size_t field = 0; field < schema_.size(); ++field)
        if (schema_.at(field).type == MemFieldType::String)
            row[field] = std::string();
    return row;
}

MemRecord MemTable::current() const
{
    requireOpen();
    // Reading never changes the row; the view is shared with the writers.
    auto* self = const_cast<MemTable*>(this);
    if (state_ != State::Browse)
        return MemRecord(schema_, self->buffer_);
    if (position_ >= order_.size())
        throw Error("Dataset " + name_ + " has no current row");
    return MemRecord(schema_, self->rows_[order_[position_]]);
}

void MemTable::append()
{
    requireBrowse();
    buffer_ = blankRow();
    state_ = State::Insert;
}

void MemTable::edit()
{
    requireBrowse();
    if (position_ >= order_.size())
        throw Error("Dataset " + name_ + " has no current row");
    editedRow_ = order_[position_];
    buffer_ = rows_[editedRow_];
    state_ = State::Edit;
}

void MemTable::post()
{
    requireOpen();
    if (state_ == State::Insert) {
        const std::size_t row = rows_.size();
        rows_.push_back(std::move(buffer_));
        for (auto& [fields, lookup] : lookups_)
            lookup->add(row, rows_[row]);
        placeInOrder(row);
        editedRow_ = row;
    } else if (state_ == State::Edit) {
        for (auto& [fields, lookup] : lookups_)
            lookup->change(editedRow_, rows_[editedRow_], buffer_);
        const bool keyChanged = selected() && compareRows(rows_[editedRow_], buffer_, activeKey_) != 0;
        rows_[editedRow_] = std::move(buffer_);
        if (keyChanged)
            rebuildOrder();
    } else {
        return;
    }
    state_ = State::Browse;
    std::size_t position = positionOf(editedRow_);
    if (position == order_.size() && selected()) {
        // Hidden behind an earlier row of the same unique key: stand there.
        const auto at = std::lower_bound(order_.begin(), order_.end(), editedRow_,
                                         [this](std::size_t a, std::size_t b) { return keyLess(a, b); });
        position = std::size_t(at - order_.begin());
    }
    moveTo(position);
}

void MemTable::cancel()
{
    requireOpen();
    buffer_.clear();
    state_ = State::Browse;
}

std::size_t MemTable::writableField(const std::string& field) const
{
    const std::size_t index = schema_.indexOf(field);
    requireWritable(index);
    return index;
}

void MemTable::requireWritable(std::size_t field) const
{
    requireOpen();
    if (state_ == State::Browse)
        throw Error("Dataset " + name_ + " is not in edit or insert mode");
    if (schema_.at(field).calculated)
        throw Error(formatMessage("Field '%s' cannot be modified", schema_.at(field).name));
}

void MemTable::setString(const std::string& field, const std::string& value)
{
    setString(writableField(field), value);
}

void MemTable::setFloat(const std::string& field, double value)
{
    setFloat(writableField(field), value);
}

void MemTable::setString(std::size_t field, const std::string& value)
{
    requireWritable(field);
    MemRecord(schema_, buffer_).setString(field, value);
}

void MemTable::setFloat(std::size_t field, double value)
{
    requireWritable(field);
    MemRecord(schema_, buffer_).setFloat(field, value);
}

void MemTable::setDateTime(const std::string& field, double value)
{
    setFloat(field, value);
}

void MemTable::setDate(const std::string& field, DayNumber value)
{
    setFloat(field, static_cast<double>(value));
}

void MemTable::clear(const std::string& field)
{
    const std::size_t index = writableField(field);
    MemRecord(schema_, buffer_).clear(index);
}

} // namespace tarvela
