#include "commission/OperationCodes.h"

namespace tarvela {

bool isInCodeList(const std::string& operation, const std::string& list)
{
    return !operation.empty() && list.find(operation) != std::string::npos;
}

} // namespace tarvela
