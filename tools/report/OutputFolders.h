// The folders tarvela-report writes into, made ready before the report runs:
// the documents folder for the export files and the folder of the output
// file or files.
#pragma once

#include <string>

namespace tarvela::tool {

// Creates the documents folder when it does not exist; error naming the
// folder and the reason when it cannot be created or written.
void prepareDocumentsFolder(const std::string& folder);

// Error naming the output file and the reason when its folder is missing or
// cannot be written. The folder is not created: a mistyped path should not
// leave new folders behind.
void checkOutputFolder(const std::string& output);

// The same for the folder of the files of several salesmen.
void checkOutputDirectory(const std::string& folder);

} // namespace tarvela::tool
