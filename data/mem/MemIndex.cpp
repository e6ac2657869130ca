#include "data/mem/MemIndex.h"

#include <sstream>

namespace tarvela {

namespace {

int compareValues(const MemValue& left, const MemValue& right)
{
    if (left.index() != right.index())
        return left.index() < right.index() ? -1 : 1;
    if (const auto* text = std::get_if<std::string>(&left)) {
        const int order = text->compare(std::get<std::string>(right));
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    if (const auto* number = std::get_if<double>(&left)) {
        const double other = std::get<double>(right);
        return *number < other ? -1 : (*number > other ? 1 : 0);
    }
    return 0;
}

} // namespace

std::vector<std::string> splitFieldList(const std::string& list)
{
    std::vector<std::string> names;
    std::stringstream stream(list);
    std::string name;
    while (std::getline(stream, name, ';')) {
        const auto begin = name.find_first_not_of(' ');
        if (begin != std::string::npos)
            names.push_back(name.substr(begin, name.find_last_not_of(' ') - begin + 1));
    }
    return names;
}

int compareRows(const std::vector<MemValue>& left, const std::vector<MemValue>& right,
                const std::vector<std::size_t>& fieldPositions)
{
    for (const std::size_t position : fieldPositions) {
        const int order = compareValues(left[position], right[position]);
        if (order != 0)
            return order;
    }
    return 0;
}

} // namespace tarvela
