// What repairs a damaged index file, told with every message that reports
// one, so that the user learns the way out together with the fault.
#pragma once

namespace tarvela::cdx {

inline constexpr const char* kIndexRemedy =
    " Opravíte jej příkazem \"Indexace souborů\" v programu nebo tarvela-dbf reindex.";

} // namespace tarvela::cdx
