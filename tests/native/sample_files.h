// The sample models' files, found from this folder's own place.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

inline std::string ReadSample(const std::string &name) {
    std::string path = __FILE__;
    path.resize(path.rfind("tests/native/"));
    std::ifstream file(path + "samples/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}
