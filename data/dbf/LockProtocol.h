// Which lock offsets a table uses: the Clipper-compatible ones, which the
// sibling system uses for nearly every table, or the default ones.
#pragma once

namespace tarvela {

enum class LockProtocol { Clipper, Default };

} // namespace tarvela
