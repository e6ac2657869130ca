#include "screens/products/TSorHle.h"

#include "data/company/TData.h"

namespace tarvela {

TSorHle::TSorHle(QWidget* owner, TData& data)
    : TFakHle(owner, data, data.Sortiment,
              {QStringLiteral("Hledej název položky sortimentu"), QStringLiteral("Hledej dle čísla karty sortimentu"),
               QStringLiteral("Hledej částku prodejní cenu ")},
              [](int choice, const std::string& text) {
                  return productSearchKey(static_cast<ProductSearch>(choice), text);
              })
{
    setPriceChoice(static_cast<int>(ProductSearch::Price));
}

} // namespace tarvela
