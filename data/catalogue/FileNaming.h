// How a file of the shared data folder is named: a prefix followed by the
// company number, or one name shared by all companies. Both catalogues use it,
// so a table and its index file are named by the same rule.
#pragma once

#include <string>

namespace tarvela {

enum class FileNaming { PerCompany, Shared };

// e.g. "Fak" + "0001" for a per-company file; a shared file keeps its name.
inline std::string companyFileName(const std::string& prefix, FileNaming naming, const std::string& company)
{
    return naming == FileNaming::PerCompany ? prefix + company : prefix;
}

} // namespace tarvela
