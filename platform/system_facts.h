#pragma once
// Facts about the machine and the installation that both hosts need.

#include <string>
#include <vector>

namespace zentra {

// The kernel release as major + minor * 0.01 ("6.1.0-18-amd64" gives 6.01).
double kernelVersion();
// Pure part of it, for the tests.
double versionFromRelease(const std::string& release);

// Where Zentra's data files live besides the current directory, found from
// the running program's own place: the installed share/zentra, or the build
// tree's share/zentra, which links to the source tree's resources.
std::vector<std::string> dataDirectories();
// Where the modules loaded on demand live, found the same way: the installed
// library folder's zentra/, or the build tree's lib/zentra.
std::vector<std::string> moduleDirectories();

}  // namespace zentra
