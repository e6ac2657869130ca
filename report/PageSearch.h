// Finding a text in the pages of a report, for the preview's find bar. The
// text is looked for within each piece of text the layout printed; the
// matches come in reading order (page, then line, then from the left). By
// default letter case and accents count as typed; folded, "Žluťoučký"
// matches "zlutoucky" and the other way round.
#pragma once

#include <string>
#include <vector>

#include "report/PageModel.h"

namespace tarvela {

struct PageMatch {
    int page = 0;         // from 0
    double x = 0;         // the box around the matched text, in cm
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const PageMatch&) const = default;
};

std::vector<PageMatch> findInDocument(const ReportDocument& document, const std::string& text,
                                      bool ignoreCaseAndAccents);

// Lower case without accents, for the Latin letters of code page 1250.
std::u32string foldCaseAndAccents(std::u32string text);

} // namespace tarvela
