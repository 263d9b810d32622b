#pragma once

#include "name_list_file.h"

#include <string>
#include <vector>

// Writes a fresh encrypted name store holding the given tables, rows in the given order.
// The file is written beside the target and renamed over it only when complete.
void WriteNameStore(const std::string& path, const std::string& password,
                    const std::vector<NameTable>& tables);
