// The commission cards of ProvKar, searched by salesman and card through the
// tag "KOD" of its index file. ProvKar is opened when closed and stays open; the
// index file is attached for the life of this object only.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;
class TData;

class CommissionCardIndex {
public:
    explicit CommissionCardIndex(TData& data);
    ~CommissionCardIndex();
    CommissionCardIndex(const CommissionCardIndex&) = delete;
    CommissionCardIndex& operator=(const CommissionCardIndex&) = delete;

    // Positions ProvKar on the salesman's card; false when he has none.
    bool find(const std::string& salesman, const std::string& card);
    double rate() const;  // PRK_PRO of the card found

private:
    DbfTable& provKar_;
    std::string indexFile_;
};

} // namespace tarvela
