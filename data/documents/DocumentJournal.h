// Walks the stock-journal lines of one document. Opens Denik with tag "DOK"
// and Sortiment with tag "KAV" when they are closed and closes them again
// afterwards; tables found open are switched to those tags and stay open.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tarvela {

class TData;

// Calls visit with Denik standing on each line of the document, in tag
// order, while Denik's index locks are held (one lock for the whole walk):
// visit must not wait for the user.
void forEachJournalLine(TData& data, const std::string& document, const std::function<void()>& visit);

// The same for several documents in turn under one hold of Denik's index
// locks; visit learns the position of the document in documents.
void forEachJournalLineOfDocuments(TData& data, const std::vector<std::string>& documents,
                                   const std::function<void(std::size_t document)>& visit);

} // namespace tarvela
