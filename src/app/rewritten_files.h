#pragma once

#include <string>
#include <vector>

// Every file of the working directory that the program writes under a fixed name, so through the
// temporary-file rename: the only files whose left-over temporary files it may remove.
std::vector<std::string> RewrittenFiles();
