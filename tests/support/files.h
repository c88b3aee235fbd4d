// Whole files as bytes, for the tests that lay files down and read them back.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace pelmora {

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bytes: any contiguous container of chars or bytes.
template <typename Bytes>
void writeWholeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pelmora
