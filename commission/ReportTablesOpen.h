// The tables of a settlement run, opened for the run and closed when the
// report system has returned, also on failure: salesmen, invoices and credit
// notes in tag "DO1" order, and the commission split with its tag "DO1".
// Tables found open get their tag and stay open.
#pragma once

#include <functional>
#include <string>

namespace tarvela {

class DbfTable;
class TData;

class ReportTableOpen {
public:
    ReportTableOpen(DbfTable& table, const std::function<void()>& open, std::function<void()> close);
    ~ReportTableOpen();
    ReportTableOpen(const ReportTableOpen&) = delete;
    ReportTableOpen& operator=(const ReportTableOpen&) = delete;

private:
    std::function<void()> close_;
    bool openedHere_;
};

class ReportTablesOpen {
public:
    explicit ReportTablesOpen(TData& data);

private:
    ReportTableOpen salesmen_;
    ReportTableOpen invoices_;
    ReportTableOpen splits_;
    ReportTableOpen creditNotes_;
};

// Positions Obchodnici on the salesman (trailing blanks ignored); false when
// there is none.
bool locateSalesman(TData& data, const std::string& salesman);

} // namespace tarvela
