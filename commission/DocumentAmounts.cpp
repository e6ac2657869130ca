#include "commission/DocumentAmounts.h"

namespace tarvela {

namespace {

struct AmountField {
    const char* name;
    double DocumentAmounts::*member;
};

const AmountField kFields[] = {
    {"CelkemPC", &DocumentAmounts::CelkemPC}, {"CelkemNC", &DocumentAmounts::CelkemNC},
    {"Zaklad22", &DocumentAmounts::Zaklad22}, {"Zaklad05", &DocumentAmounts::Zaklad05},
    {"Zaklad00", &DocumentAmounts::Zaklad00}, {"Dan22", &DocumentAmounts::Dan22},
    {"Dan05", &DocumentAmounts::Dan05},       {"HalVyr", &DocumentAmounts::HalVyr},
};

} // namespace

DocumentAmounts DocumentAmounts::times(double factor) const
{
    DocumentAmounts result;
    for (const AmountField& field : kFields)
        result.*field.member = this->*field.member * factor;
    return result;
}

DocumentAmounts& DocumentAmounts::operator+=(const DocumentAmounts& other)
{
    for (const AmountField& field : kFields)
        this->*field.member += other.*field.member;
    return *this;
}

DocumentAmounts amountsOf(const DocumentTotals& totals)
{
    return {totals.total,      totals.costTotal,  totals.basicBase,  totals.reducedBase,
            totals.zeroBase,   totals.basicVat,   totals.reducedVat, totals.roundingDifference};
}

void setAmounts(MemTable& table, const DocumentAmounts& amounts)
{
    setAmounts(table, amountPositions(table.schema()), amounts);
}

AmountPositions amountPositions(const MemSchema& schema)
{
    AmountPositions positions{};
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = schema.indexOf(kFields[i].name);
    return positions;
}

void setAmounts(MemTable& table, const AmountPositions& positions, const DocumentAmounts& amounts)
{
    for (std::size_t i = 0; i < positions.size(); ++i)
        table.setFloat(positions[i], amounts.*kFields[i].member);
}

DocumentAmounts readAmounts(const MemTable& table)
{
    DocumentAmounts amounts;
    for (const AmountField& field : kFields)
        amounts.*field.member = table.asFloat(field.name);
    return amounts;
}

} // namespace tarvela
