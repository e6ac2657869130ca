#include "platform/IniFile.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

#include "platform/CodePage.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "platform/WholeFile.h"

namespace tarvela {

namespace {

constexpr std::string_view kBlanks = " \t";

bool isSectionLine(const std::string& text)
{
    const std::string t = trimmed(text, kBlanks);
    return !t.empty() && t.front() == '[' && t.find(']') != std::string::npos;
}

std::string sectionName(const std::string& text)
{
    const std::string t = trimmed(text, kBlanks);
    return trimmed(t.substr(1, t.find(']') - 1), kBlanks);
}

bool isKeyLine(const std::string& text, const std::string& key)
{
    const std::string t = trimmed(text, kBlanks);
    if (t.empty() || t.front() == ';')
        return false;
    const auto equals = text.find('=');
    return equals != std::string::npos && equalIgnoringAsciiCase(trimmed(text.substr(0, equals), kBlanks), key);
}

// Like the Windows profile functions, one pair of matching quotes around a
// value is not part of it.
std::string unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A missing or unreadable file reads as an empty one, as the Windows profile
// functions treat it.
std::string contentsOrNothing(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int parseIniInteger(const std::string& text)
{
    const std::string t = trimmed(text, kBlanks);
    const char* begin = t.data();
    const char* end = t.data() + t.size();
    const bool hasPlus = begin != end && *begin == '+';
    if (hasPlus)
        ++begin;
    int value = 0;
    const auto [stop, failure] = std::from_chars(begin, end, value);
    const bool signTwice = hasPlus && begin != end && *begin == '-';
    if (begin == end || failure != std::errc() || stop != end || signTwice)
        throw Error(formatMessage("'%s' is not a valid integer value", text));
    return value;
}

IniFile::IniFile(std::string path) : path_(std::move(path))
{
    const std::string bytes = contentsOrNothing(path_);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto stop = bytes.find_first_of("\r\n", at);
        Line line;
        if (stop == std::string::npos) {
            line.text = bytes.substr(at);
            at = bytes.size();
        } else {
            line.text = bytes.substr(at, stop - at);
            const bool crlf = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
            line.ending = crlf ? "\r\n" : bytes.substr(stop, 1);
            at = stop + line.ending.size();
        }
        lines_.push_back(std::move(line));
    }
}

bool IniFile::exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

int IniFile::findSection(const std::string& section) const
{
    const std::string wanted = utf8ToCp1250(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (isSectionLine(lines_[i].text) && equalIgnoringAsciiCase(sectionName(lines_[i].text), wanted))
            return static_cast<int>(i);
    }
    return -1;
}

int IniFile::findKey(int sectionLine, const std::string& key) const
{
    const std::string wanted = utf8ToCp1250(key);
    for (std::size_t i = sectionLine + 1; i < lines_.size() && !isSectionLine(lines_[i].text); ++i) {
        if (isKeyLine(lines_[i].text, wanted))
            return static_cast<int>(i);
    }
    return -1;
}

// The line after the last non-blank line of the section.
int IniFile::sectionEnd(int sectionLine) const
{
    int end = sectionLine + 1;
    for (std::size_t i = sectionLine + 1; i < lines_.size() && !isSectionLine(lines_[i].text); ++i) {
        if (!trimmed(lines_[i].text, kBlanks).empty())
            end = static_cast<int>(i) + 1;
    }
    return end;
}

std::string IniFile::defaultEnding() const
{
    for (const Line& line : lines_) {
        if (!line.ending.empty())
            return line.ending;
    }
    return "\r\n";
}

bool IniFile::hasKey(const std::string& section, const std::string& key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const
{
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0)
        return defaultValue;
    const std::string& text = lines_[k].text;
    return cp1250ToUtf8(unquoted(trimmed(text.substr(text.find('=') + 1), kBlanks)));
}

int IniFile::readInteger(const std::string& section, const std::string& key, int defaultValue) const
{
    if (!hasKey(section, key))
        return defaultValue;
    return parseIniInteger(readString(section, key, ""));
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string ending = defaultEnding();
    const std::string value1250 = utf8ToCp1250(value);
    int s = findSection(section);
    if (s < 0) {
        if (!lines_.empty() && lines_.back().ending.empty())
            lines_.back().ending = ending;
        lines_.push_back({"[" + utf8ToCp1250(section) + "]", ending});
        s = static_cast<int>(lines_.size()) - 1;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        std::string& text = lines_[k].text;
        text = text.substr(0, text.find('=') + 1) + value1250;
    } else {
        const int at = sectionEnd(s);
        if (lines_[at - 1].ending.empty())
            lines_[at - 1].ending = ending;
        lines_.insert(lines_.begin() + at, Line{utf8ToCp1250(key) + "=" + value1250, ending});
    }
    save();
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::save() const
{
    std::string bytes;
    for (const Line& line : lines_)
        bytes += line.text + line.ending;
    writeWholeFile(path_, bytes);
}

} // namespace tarvela
