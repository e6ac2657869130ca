#include "report/PageSnapshot.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/Error.h"
#include "report/Crc32.h"
#include "platform/WholeFile.h"

namespace tarvela {

namespace {

constexpr std::string_view kMagic = "TARVELA-SNAPSHOT";
// Limits that no real report reaches; they keep a damaged count from
// making the reader allocate without bound.
constexpr long kMaxPages = 100000;
constexpr long kMaxOpsPerPage = 1000000;
constexpr double kMaxCoordinateCm = 10000;

std::string num(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

char alignCode(Justification align)
{
    switch (align) {
    case Justification::Right: return 'R';
    case Justification::Center: return 'C';
    default: return 'L';
    }
}

std::string colorFields(Rgb color)
{
    return std::to_string(color.red) + '\t' + std::to_string(color.green) + '\t' + std::to_string(color.blue);
}

std::string styleFlags(const FontSpec& font)
{
    return {char('0' + font.bold), char('0' + font.italic), char('0' + font.underline), char('0' + font.strikeOut)};
}

std::string record(const DrawOp& op)
{
    if (const auto* run = std::get_if<TextRun>(&op))
        return "text\t" + num(run->x) + '\t' + num(run->baseline) + '\t' + num(run->width) + '\t'
            + std::to_string(run->line) + '\t' + alignCode(run->align) + '\t' + escape(run->font.name)
            + '\t' + num(run->font.sizePt) + '\t' + std::to_string(run->font.charset) + '\t'
            + styleFlags(run->font) + '\t' + colorFields(run->font.color) + '\t' + escape(run->text);
    if (const auto* rect = std::get_if<FilledRect>(&op))
        return "rect\t" + num(rect->x) + '\t' + num(rect->y) + '\t' + num(rect->width) + '\t'
            + num(rect->height) + '\t' + colorFields(rect->color);
    const auto& line = std::get<LineSegment>(op);
    return "line\t" + num(line.x1) + '\t' + num(line.y1) + '\t' + num(line.x2) + '\t' + num(line.y2)
        + '\t' + num(line.penWidth) + '\t' + colorFields(line.color);
}

// Reads the records of one snapshot; every failure names the file.
class SnapshotParser {
public:
    SnapshotParser(const std::string& bytes, const std::string& sourceName)
        : bytes_(bytes), sourceName_(sourceName)
    {
    }

    ReportDocument parse()
    {
        splitBody();
        header();
        ReportDocument document;
        const long pageCount = count(fields("pages", 2)[1], kMaxPages);
        for (long i = 0; i < pageCount; ++i)
            document.pages.push_back(page());
        if (next_ != lines_.size())
            fail("nadbytečné záznamy od řádku " + std::to_string(next_ + 1));
        return document;
    }

private:
    [[noreturn]] void fail(const std::string& reason) const
    {
        throw Error("Soubor " + sourceName_ + " není platný snímek sestavy: " + reason + ".");
    }
    // Line numbers count from 1, so after reading a record next_ is its number.
    [[noreturn]] void damaged() const
    {
        fail("poškozený záznam na řádku " + std::to_string(next_));
    }

    // Checks the closing line and its checksum, then splits what it covers.
    void splitBody()
    {
        std::string_view all(bytes_);
        if (all.empty() || all.back() != '\n')
            fail("soubor je neúplný");
        const size_t endStart = all.rfind('\n', all.size() - 2) + 1;
        const std::string_view endLine = all.substr(endStart, all.size() - 1 - endStart);
        if (endLine.substr(0, 4) != "end\t")
            fail("soubor je neúplný");
        char expected[16];
        std::snprintf(expected, sizeof expected, "%08x", unsigned(crc32(all.substr(0, endStart))));
        if (endLine.substr(4) != expected)
            fail("nesouhlasí kontrolní součet");
        std::string_view body = all.substr(0, endStart);
        while (!body.empty()) {
            const size_t end = body.find('\n');
            lines_.push_back(body.substr(0, end));
            body.remove_prefix(end + 1);
        }
    }

    void header()
    {
        if (lines_.empty())
            fail("chybí záhlaví");
        const std::vector<std::string_view> first = split(lines_[next_++]);
        if (first.size() != 2 || first[0] != kMagic)
            fail("chybí záhlaví");
        const long version = count(first[1], 1000000);
        if (version != kSnapshotVersion)
            fail("verze " + std::to_string(version) + " není podporována");
    }

    Page page()
    {
        const std::vector<std::string_view> f = fields("page", 4);
        Page page;
        page.widthCm = length(f[1]);
        page.heightCm = length(f[2]);
        if (page.widthCm <= 0 || page.heightCm <= 0)
            damaged();
        const long opCount = count(f[3], kMaxOpsPerPage);
        for (long i = 0; i < opCount; ++i)
            page.ops.push_back(operation());
        return page;
    }

    DrawOp operation()
    {
        if (next_ >= lines_.size())
            fail("chybí záznamy");
        const std::string_view kind = lines_[next_].substr(0, 4);
        if (kind == "text") {
            const std::vector<std::string_view> f = fields("text", 14);
            TextRun run;
            run.x = length(f[1]);
            run.baseline = length(f[2]);
            run.width = length(f[3]);
            run.line = int(count(f[4], 1000000));
            run.align = alignment(f[5]);
            run.font.name = unescape(f[6]);
            run.font.sizePt = length(f[7]);
            if (run.font.sizePt <= 0 || run.width < 0)
                damaged();
            run.font.charset = int(count(f[8], 255));
            styles(f[9], run.font);
            run.font.color = color(f, 10);
            run.text = unescape(f[13]);
            return run;
        }
        if (kind == "rect") {
            const std::vector<std::string_view> f = fields("rect", 8);
            return FilledRect{length(f[1]), length(f[2]), length(f[3]), length(f[4]), color(f, 5)};
        }
        const std::vector<std::string_view> f = fields("line", 9);
        return LineSegment{length(f[1]), length(f[2]), length(f[3]), length(f[4]), length(f[5]), color(f, 6)};
    }

    std::vector<std::string_view> fields(std::string_view kind, size_t expected)
    {
        if (next_ >= lines_.size())
            fail("chybí záznamy");
        std::vector<std::string_view> f = split(lines_[next_++]);
        if (f.size() != expected || f[0] != kind)
            damaged();
        return f;
    }

    static std::vector<std::string_view> split(std::string_view line)
    {
        std::vector<std::string_view> parts;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
            parts.push_back(line.substr(start, tab - start));
        parts.push_back(line.substr(start));
        return parts;
    }

    double length(std::string_view text) const
    {
        double value = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value)
            || std::fabs(value) > kMaxCoordinateCm)
            damaged();
        return value;
    }

    long count(std::string_view text, long maximum) const
    {
        long value = -1;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < 0 || value > maximum)
            damaged();
        return value;
    }

    Justification alignment(std::string_view code) const
    {
        if (code == "L")
            return Justification::Left;
        if (code == "R")
            return Justification::Right;
        if (code == "C")
            return Justification::Center;
        damaged();
    }

    void styles(std::string_view flags, FontSpec& font) const
    {
        if (flags.size() != 4 || flags.find_first_not_of("01") != std::string_view::npos)
            damaged();
        font.bold = flags[0] == '1';
        font.italic = flags[1] == '1';
        font.underline = flags[2] == '1';
        font.strikeOut = flags[3] == '1';
    }

    Rgb color(const std::vector<std::string_view>& f, size_t first) const
    {
        return {std::uint8_t(count(f[first], 255)), std::uint8_t(count(f[first + 1], 255)),
                std::uint8_t(count(f[first + 2], 255))};
    }

    std::string unescape(std::string_view text) const
    {
        std::string out;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\\') {
                out += text[i];
                continue;
            }
            if (++i == text.size())
                damaged();
            switch (text[i]) {
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: damaged();
            }
        }
        return out;
    }

    const std::string& bytes_;
    const std::string& sourceName_;
    std::vector<std::string_view> lines_;
    size_t next_ = 0;
};

} // namespace

std::string snapshotBytes(const ReportDocument& document)
{
    std::string out = std::string(kMagic) + '\t' + std::to_string(kSnapshotVersion) + '\n';
    out += "pages\t" + std::to_string(document.pages.size()) + '\n';
    for (const Page& page : document.pages) {
        out += "page\t" + num(page.widthCm) + '\t' + num(page.heightCm) + '\t' + std::to_string(page.ops.size()) + '\n';
        for (const DrawOp& op : page.ops)
            out += record(op) + '\n';
    }
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%08x", unsigned(crc32(out)));
    return out + "end\t" + checksum + '\n';
}

ReportDocument parseSnapshot(const std::string& bytes, const std::string& sourceName)
{
    return SnapshotParser(bytes, sourceName).parse();
}

void writeSnapshot(const ReportDocument& document, const std::filesystem::path& path)
{
    writeWholeFile(path, snapshotBytes(document));
}

ReportDocument readSnapshot(const std::filesystem::path& path)
{
    return parseSnapshot(readWholeFile(path), path.string());
}

} // namespace tarvela
