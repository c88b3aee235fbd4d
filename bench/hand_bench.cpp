// Classing five selected cards: a mixed stream of distinct hands, the same
// stream taken from the selection first, and the hands that pass through
// every test (no hand) against those decided first (royal or straight flush).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "board/board.h"
#include "play/hand.h"
#include "play/selection.h"
#include "values/random.h"

namespace pelmora {
namespace {

constexpr size_t HandCount = 4096;
using Values = std::array<uint8_t, 5>;

// Distinct five-card hands of one deck, drawn from a fixed seed and kept
// when they fall into the wanted class (any class when none is named).
std::vector<Values> distinctHands(size_t count, bool (*wanted)(HandRank)) {
    Random random;
    random.seed(20240607u);
    std::set<Values> seen;
    std::vector<Values> hands;
    while (hands.size() < count) {
        std::set<uint8_t> cards;
        while (cards.size() < 5) cards.insert(static_cast<uint8_t>(random.next() % 52));
        Values values{};
        std::copy(cards.begin(), cards.end(), values.begin());
        Hand probe;
        probe.values.assign(values.begin(), values.end());
        if (!wanted(evaluateHand(probe)) || !seen.insert(values).second) continue;
        hands.push_back(values);
    }
    return hands;
}

// Every straight flush and royal flush there is, repeated to the same count.
std::vector<Values> flushRuns(size_t count) {
    std::vector<Values> runs;
    for (uint8_t suit = 0; suit < 4; ++suit) {
        for (uint8_t low = 0; low <= 8; ++low) {
            Values v{};
            for (uint8_t k = 0; k < 5; ++k) v[k] = static_cast<uint8_t>(suit * 13 + low + k);
            runs.push_back(v);
        }
        const uint8_t ace = static_cast<uint8_t>(suit * 13);
        runs.push_back({ace, static_cast<uint8_t>(ace + 9), static_cast<uint8_t>(ace + 10),
                        static_cast<uint8_t>(ace + 11), static_cast<uint8_t>(ace + 12)});
    }
    std::vector<Values> out;
    while (out.size() < count) out.push_back(runs[out.size() % runs.size()]);
    return out;
}

std::vector<Hand> collected(const std::vector<Values>& hands) {
    std::vector<Hand> out(hands.size());
    for (size_t i = 0; i < hands.size(); ++i) out[i].values.assign(hands[i].begin(), hands[i].end());
    return out;
}

void evaluateEach(benchmark::State& state, std::vector<Hand> hands) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluateHand(hands[i]));
        i = (i + 1) % hands.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateMixedHands(benchmark::State& state) {
    evaluateEach(state, collected(distinctHands(HandCount, [](HandRank) { return true; })));
}
BENCHMARK(BM_EvaluateMixedHands);

void BM_EvaluateNoHands(benchmark::State& state) {
    evaluateEach(state, collected(distinctHands(HandCount, [](HandRank r) { return r == NoHand; })));
}
BENCHMARK(BM_EvaluateNoHands);

void BM_EvaluateStraightFlushes(benchmark::State& state) {
    evaluateEach(state, collected(flushRuns(HandCount)));
}
BENCHMARK(BM_EvaluateStraightFlushes);

// What a right click pays: the values read from the selection, then classed.
void BM_CollectAndEvaluateMixedHands(benchmark::State& state) {
    const auto hands = distinctHands(HandCount, [](HandRank) { return true; });
    std::vector<std::array<Card, 5>> cards(hands.size());
    std::vector<Selection> selections(hands.size());
    for (size_t i = 0; i < hands.size(); ++i) {
        for (size_t k = 0; k < 5; ++k) {
            cards[i][k].value = hands[i][4 - k];  // picked in no particular order
            selections[i].cards.push_back(&cards[i][k]);
        }
    }
    Hand hand;
    size_t i = 0;
    for (auto _ : state) {
        collectHand(hand, selections[i]);
        benchmark::DoNotOptimize(evaluateHand(hand));
        i = (i + 1) % selections.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CollectAndEvaluateMixedHands);

}  // namespace
}  // namespace pelmora
