#include "scores/top_score.h"

#include "scores/line_file.h"

namespace pelmora {

namespace {

constexpr const char* TimeMarker = "ts_time\">";
constexpr const char* ValueMarker = "ts_value\">";
constexpr const char* CloseTag = "</div>";
constexpr size_t MaxValueDigits = 255;

uint32_t digitOf(char c) {
    return (c >= '0' && c <= '9') ? static_cast<uint32_t>(c - '0') : 0;
}

// The text between a marker and the next closing tag; false when either is missing.
bool textAfter(const std::string& text, const std::string& marker, std::string& out) {
    const size_t at = text.find(marker);
    if (at == std::string::npos) return false;
    const size_t start = at + marker.size();
    const size_t end = text.find(CloseTag, start);
    if (end == std::string::npos) return false;
    out = text.substr(start, end - start);
    return true;
}

std::string timeText(const std::array<uint32_t, 6>& t) {
    return numberToText(t[0]) + numberToText(t[1]) + ":" + numberToText(t[2]) +
           numberToText(t[3]) + ":" + numberToText(t[4]) + numberToText(t[5]);
}

std::string valueText(const ScoreDigits& value) {
    std::string text;
    for (auto it = value.rbegin(); it != value.rend(); ++it) text += numberToText(*it);
    return text;
}

}  // namespace

TopScore parseTopScore(const std::string& text) {
    std::string time;
    std::string value;
    // A damaged file never stops the game: it just holds no top score.
    if (!textAfter(text, TimeMarker, time) || !textAfter(text, ValueMarker, value)) return {};
    if (time.size() < 8 || value.size() > MaxValueDigits) return {};
    TopScore top;
    const size_t timePositions[6] = {0, 1, 3, 4, 6, 7};
    for (size_t i = 0; i < 6; ++i) top.time[i] = digitOf(time[timePositions[i]]);
    if (!value.empty()) {
        top.value.clear();
        for (auto it = value.rbegin(); it != value.rend(); ++it) top.value.push_back(digitOf(*it));
    }
    return top;
}

void loadTopScore(TopScore& top, const std::string& path) {
    top = TopScore{};
    LineFile file{path, {}};
    if (!file.load()) return;
    top = parseTopScore(file.joinLines());
}

std::string topScoreText(const TopScore& top) {
    LineFile file;
    file.appendLines({"<div id=\"topscore\">",
                      "<div id=\"ts_time\">" + timeText(top.time) + CloseTag,
                      "<div id=\"ts_value\">" + valueText(top.value) + CloseTag, CloseTag});
    return file.joinLines();
}

bool saveTopScore(const TopScore& top, const std::string& path) {
    return replaceFileAtomically(path, topScoreText(top));
}

bool beatsTopScore(const TopScore& top, const ScoreDigits& current) {
    if (current.size() != top.value.size()) return current.size() > top.value.size();
    for (size_t i = current.size(); i-- > 0;) {
        if (current[i] != top.value[i]) return current[i] > top.value[i];
    }
    return false;
}

void storeTopScore(TopScore& top, const GameClock& clock, const ScoreDigits& current) {
    top.time = {clock.hoursTens,   clock.hoursUnits,   clock.minutesTens,
                clock.minutesUnits, clock.secondsTens, clock.secondsUnits};
    top.value = current;
}

std::string numberToText(uint32_t number) {
    return std::to_string(number);
}

}  // namespace pelmora
