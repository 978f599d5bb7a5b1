#pragma once
// Facts about the machine and the installation that both hosts need.

#include <string>
#include <vector>

namespace zentra {

// The kernel release as major + minor * 0.01 ("6.1.0-18-amd64" gives 6.01).
double kernelVersion();
// Pure part of it, for the tests.
double versionFromRelease(const std::string& release);

// Where Zentra's data files live besides the current directory: beside an
// installed program, the configured data directory, and the source tree's
// resources for a build that is not installed.
std::vector<std::string> dataDirectories();

}  // namespace zentra
