// An INI file shared with the sibling system (Merkan.ini): code page 1250 on
// disk, UTF-8 here. Sections and keys are compared without regard to case.
// Writing a key rewrites only that key's line; every other byte of the file
// stays as it was, and the file is replaced whole or not at all.
#pragma once

#include <string>
#include <vector>

namespace tarvela {

class IniFile {
public:
    // Reads the file when it exists; a missing file reads as empty and is
    // created by the first write.
    explicit IniFile(std::string path);

    static bool exists(const std::string& path);

    const std::string& path() const { return path_; }
    bool hasKey(const std::string& section, const std::string& key) const;

    // The value with surrounding blanks removed, or the default when the key
    // is missing.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal with an optional sign. A present value that is not a whole
    // number throws "'%s' is not a valid integer value".
    int readInteger(const std::string& section, const std::string& key, int defaultValue) const;

    // Each write saves the file at once.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int value);

private:
    struct Line {
        std::string text;    // without the line ending, code page 1250
        std::string ending;  // "\r\n", "\n", "\r" or "" for an unterminated last line
    };

    int findSection(const std::string& section) const;
    int findKey(int sectionLine, const std::string& key) const;
    int sectionEnd(int sectionLine) const;
    std::string defaultEnding() const;
    void save() const;

    std::string path_;
    std::vector<Line> lines_;
};

// Converts a whole number the way the configuration is read: optional blanks,
// an optional sign, decimal digits, within 32 bits. Throws the message above.
int parseIniInteger(const std::string& text);

} // namespace tarvela
