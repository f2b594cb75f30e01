#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

// Titles of the top-level windows of process `pid` on the current display.
std::vector<std::string> WindowTitles(pid_t pid);
