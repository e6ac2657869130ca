// The commission-card index that a pass keeps attached for all its documents.
#include "commission/TDataSestavy.h"

#include "commission/CommissionCardIndex.h"

namespace tarvela {

TDataSestavy::CardIndexForPass::CardIndexForPass(TDataSestavy& sestavy)
    : sestavy_(sestavy), cards_(std::make_unique<CommissionCardIndex>(sestavy.data()))
{
    sestavy_.passCards_ = cards_.get();
}

TDataSestavy::CardIndexForPass::~CardIndexForPass()
{
    sestavy_.passCards_ = nullptr;
}

CommissionCardIndex& TDataSestavy::cardIndex(std::optional<CommissionCardIndex>& own)
{
    return passCards_ ? *passCards_ : own.emplace(data_);
}

} // namespace tarvela
