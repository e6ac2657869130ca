// What the commission items view shows of DokladObsahFak: its 18 columns
// with their titles, and the rows as texts, so the view and the tests read
// the same computed values.
#pragma once

#include <string>
#include <vector>

namespace tarvela {

class MemTable;

struct CommissionItemColumn {
    std::string field;
    std::string title;
    int width = 0;  // 0: worked out from the title and texts
};

const std::vector<CommissionItemColumn>& commissionItemColumns();

// One row of texts per row of DokladObsahFak in its order: amounts as
// "#,##0.00", other numbers in their shortest form with the regional
// decimal separator, texts without trailing blanks. The table stays at its end.
std::vector<std::vector<std::string>> commissionItemTexts(MemTable& items);

} // namespace tarvela
