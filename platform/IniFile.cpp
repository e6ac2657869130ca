#include "platform/IniFile.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/CodePage.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

const char* const kBlanks = " \t";

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Names are ASCII in practice; folding only a-z keeps 1250 letters intact.
bool sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

bool isSectionLine(const std::string& text)
{
    const std::string t = trimmed(text);
    return !t.empty() && t.front() == '[' && t.find(']') != std::string::npos;
}

std::string sectionName(const std::string& text)
{
    const std::string t = trimmed(text);
    return trimmed(t.substr(1, t.find(']') - 1));
}

bool isKeyLine(const std::string& text, const std::string& key)
{
    const std::string t = trimmed(text);
    if (t.empty() || t.front() == ';')
        return false;
    const auto equals = text.find('=');
    return equals != std::string::npos && sameName(trimmed(text.substr(0, equals)), key);
}

// Like the Windows profile functions, one pair of matching quotes around a
// value is not part of it.
std::string unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int parseIniInteger(const std::string& text)
{
    const std::string t = trimmed(text);
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
    const std::string bytes = readWholeFile(path_);
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
        if (isSectionLine(lines_[i].text) && sameName(sectionName(lines_[i].text), wanted))
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
        if (!trimmed(lines_[i].text).empty())
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
    return cp1250ToUtf8(unquoted(trimmed(text.substr(text.find('=') + 1))));
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

// A temporary file beside the target, renamed over it: readers see either
// the old file or the new one, never a part.
void IniFile::save() const
{
    std::string bytes;
    for (const Line& line : lines_)
        bytes += line.text + line.ending;

    const std::string failure = formatMessage("Nelze zapsat soubor %s", path_);
    std::string temporary = path_ + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw Error(failure);
    struct stat info {};
    const mode_t mode = ::stat(path_.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
    const bool written = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), path_.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw Error(failure);
    }
}

} // namespace tarvela
