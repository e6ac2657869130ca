#include "report/PlainTextWriter.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/WholeFile.h"

namespace tarvela {

namespace {

std::string pageText(const Page& page)
{
    std::map<int, std::vector<const TextRun*>> lines;
    for (const DrawOp& op : page.ops)
        if (const auto* run = std::get_if<TextRun>(&op))
            lines[run->line].push_back(run);
    std::string text;
    for (auto& [number, runs] : lines) {
        std::stable_sort(runs.begin(), runs.end(),
                         [](const TextRun* a, const TextRun* b) { return a->x < b->x; });
        for (size_t i = 0; i < runs.size(); ++i) {
            if (i > 0)
                text += '\t';
            text += runs[i]->text;
        }
        text += '\n';
    }
    return text;
}

} // namespace

std::string plainText(const ReportDocument& document)
{
    std::string text;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            text += "\f\n";
        text += pageText(document.pages[i]);
    }
    return text;
}

void writePlainText(const ReportDocument& document, const std::filesystem::path& path)
{
    writeWholeFile(path, plainText(document));
}

} // namespace tarvela
