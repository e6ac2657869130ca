// Walks the stock-journal lines of one document. Opens Denik with tag "DOK"
// and Sortiment with tag "KAV" when they are closed and closes them again
// afterwards; tables found open are switched to those tags and stay open.
#pragma once

#include <functional>
#include <string>

namespace tarvela {

class TData;

// Calls visit with Denik standing on each line of the document, in tag
// order, while Denik's index locks are held (one lock for the whole walk):
// visit must not wait for the user.
void forEachJournalLine(TData& data, const std::string& document, const std::function<void()>& visit);

} // namespace tarvela
