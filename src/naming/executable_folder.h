#pragma once

#include <string>

namespace naming {

// The folder that holds the running executable, symbolic links resolved, without a trailing
// separator; empty when the system does not tell. The path is kept as the bytes the file
// functions take (UTF-8 on Windows), so a folder name that is not valid text still works.
std::string ExecutableFolder();

// The store that ships with the program: config/tarnwick.dat in the given program folder.
std::string NameStoreInFolder(const std::string& folder);

} // namespace naming
