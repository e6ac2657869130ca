#include "report/PageSearch.h"

#include <algorithm>
#include <tuple>

#include "report/FontMetrics.h"

namespace tarvela {

namespace {

constexpr double kCmPerPoint = 2.54 / 72.0;

// Accented letters of code page 1250 with their plain lower-case letter.
const std::pair<char32_t, char32_t> kFolded[] = {
    {U'á', U'a'}, {U'ä', U'a'}, {U'â', U'a'}, {U'ă', U'a'}, {U'ą', U'a'}, {U'č', U'c'}, {U'ć', U'c'},
    {U'ç', U'c'}, {U'ď', U'd'}, {U'đ', U'd'}, {U'é', U'e'}, {U'ě', U'e'}, {U'ë', U'e'}, {U'ę', U'e'},
    {U'í', U'i'}, {U'î', U'i'}, {U'ĺ', U'l'}, {U'ľ', U'l'}, {U'ł', U'l'}, {U'ň', U'n'}, {U'ń', U'n'},
    {U'ó', U'o'}, {U'ö', U'o'}, {U'ô', U'o'}, {U'ő', U'o'}, {U'ř', U'r'}, {U'ŕ', U'r'}, {U'š', U's'},
    {U'ś', U's'}, {U'ş', U's'}, {U'ť', U't'}, {U'ţ', U't'}, {U'ú', U'u'}, {U'ů', U'u'}, {U'ü', U'u'},
    {U'ű', U'u'}, {U'ý', U'y'}, {U'ž', U'z'}, {U'ź', U'z'}, {U'ż', U'z'},
    {U'Á', U'a'}, {U'Ä', U'a'}, {U'Â', U'a'}, {U'Ă', U'a'}, {U'Ą', U'a'}, {U'Č', U'c'}, {U'Ć', U'c'},
    {U'Ç', U'c'}, {U'Ď', U'd'}, {U'Đ', U'd'}, {U'É', U'e'}, {U'Ě', U'e'}, {U'Ë', U'e'}, {U'Ę', U'e'},
    {U'Í', U'i'}, {U'Î', U'i'}, {U'Ĺ', U'l'}, {U'Ľ', U'l'}, {U'Ł', U'l'}, {U'Ň', U'n'}, {U'Ń', U'n'},
    {U'Ó', U'o'}, {U'Ö', U'o'}, {U'Ô', U'o'}, {U'Ő', U'o'}, {U'Ř', U'r'}, {U'Ŕ', U'r'}, {U'Š', U's'},
    {U'Ś', U's'}, {U'Ş', U's'}, {U'Ť', U't'}, {U'Ţ', U't'}, {U'Ú', U'u'}, {U'Ů', U'u'}, {U'Ü', U'u'},
    {U'Ű', U'u'}, {U'Ý', U'y'}, {U'Ž', U'z'}, {U'Ź', U'z'}, {U'Ż', U'z'},
};

char32_t folded(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c - U'A' + U'a';
    for (const auto& [accented, plain] : kFolded)
        if (accented == c)
            return plain;
    return c;
}

std::string encodeUtf8(const std::u32string& text)
{
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Every match within one piece of text, as boxes on its page.
void findInRun(const TextRun& run, int page, const std::u32string& wanted, bool fold,
               std::vector<PageMatch>& matches)
{
    const std::u32string original = decodeUtf8(run.text);
    const std::u32string text = fold ? foldCaseAndAccents(original) : original;
    const double size = run.font.sizePt * kCmPerPoint;
    for (auto at = text.find(wanted); at != std::u32string::npos; at = text.find(wanted, at + wanted.size())) {
        const double before = FontMetrics::textWidthCm(encodeUtf8(original.substr(0, at)), run.font);
        const double width = FontMetrics::textWidthCm(encodeUtf8(original.substr(at, wanted.size())), run.font);
        // Right and centred text is drawn from the edge the layout held.
        const double shift = run.align == Justification::Left ? 0
                             : run.align == Justification::Right
                                 ? run.width - FontMetrics::textWidthCm(run.text, run.font)
                                 : (run.width - FontMetrics::textWidthCm(run.text, run.font)) / 2;
        matches.push_back({page, run.x + shift + before, run.baseline - size, width, size * 1.25});
    }
}

} // namespace

std::u32string foldCaseAndAccents(std::u32string text)
{
    std::ranges::transform(text, text.begin(), folded);
    return text;
}

std::vector<PageMatch> findInDocument(const ReportDocument& document, const std::string& text,
                                      bool ignoreCaseAndAccents)
{
    std::vector<PageMatch> matches;
    const std::u32string wanted = ignoreCaseAndAccents ? foldCaseAndAccents(decodeUtf8(text)) : decodeUtf8(text);
    if (wanted.empty())
        return matches;
    for (std::size_t page = 0; page < document.pages.size(); ++page) {
        const std::size_t first = matches.size();
        for (const DrawOp& op : document.pages[page].ops) {
            if (const auto* run = std::get_if<TextRun>(&op))
                findInRun(*run, static_cast<int>(page), wanted, ignoreCaseAndAccents, matches);
        }
        std::sort(matches.begin() + static_cast<std::ptrdiff_t>(first), matches.end(),
                  [](const PageMatch& a, const PageMatch& b) {
                      return std::tie(a.top, a.x) < std::tie(b.top, b.x);
                  });
    }
    return matches;
}

} // namespace tarvela
