// The bytes of a line file, the same on every system.
#include "scores/line_file.h"

namespace pelmora {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string LineFile::joinLines() const {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

void LineFile::appendLines(const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

bool LineFile::save() const {
    return replaceFileAtomically(fileName, joinLines());
}

}  // namespace pelmora
