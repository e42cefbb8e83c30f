// The least any program pays to learn the durations of a list of WAV files: each file
// opened once and its header read once, with nothing parsed. The configuration check's
// benchmark compares the check with it.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// The paths of a list file, one a line (UTF-8; carriage returns and empty lines dropped).
bool ReadPathList(const std::wstring& listFile, std::vector<std::wstring>* paths);

// Opens each file and reads its first bytes (a canonical WAV header); answers how many
// files could be opened and read.
long ReadWavHeaders(const std::vector<std::wstring>& paths);

}  // namespace e2e
