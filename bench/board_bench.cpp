// The deal and the cover rule: a new game, the shuffle alone, and clearing a
// face card by card with and without the release step.
#include <benchmark/benchmark.h>

#include <vector>

#include "board/deal.h"
#include "frame/game.h"
#include "frame/main_loop.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

constexpr uint32_t BenchSeed = 1700000000u;

void dealForBench(Board& board) {
    Random random;
    random.seed(BenchSeed);
    dealBoard(board, random);
}

struct Removal {
    uint8_t level;
    Place place;
};

// The order in which a player taking the first reachable free card would
// clear face 0 of the bench deal; the same for every run.
std::vector<Removal> clearOutOrder() {
    Board board;
    dealForBench(board);
    Face& face = *board.face(0);
    std::vector<Removal> order;
    for (;;) {
        Card* next = nullptr;
        for (const Layer& layer : face.layers) {
            for (const auto& card : layer.cards) {
                if (!next && card->free && face.cardAt(card->place) == card.get()) next = card.get();
            }
        }
        if (!next) return order;
        order.push_back({next->level, next->place});
        face.removeCard(next);
    }
}

std::vector<Card*> cardsInOrder(Face& face, const std::vector<Removal>& order) {
    std::vector<Card*> cards;
    for (const Removal& r : order) cards.push_back(face.layers[r.level - 1u].cardAt(r.place.x, r.place.y));
    return cards;
}

void BM_DealNewGame(benchmark::State& state) {
    FakeSystem system;
    FakeRenderer renderer;
    Game game(system, renderer);
    for (auto _ : state) {
        ++system.seconds;
        dealNewGame(game);
        benchmark::DoNotOptimize(game.board.cardCount());
    }
}
BENCHMARK(BM_DealNewGame);

void BM_FillPermutation864(benchmark::State& state) {
    Random random;
    random.seed(BenchSeed);
    DealSequence perm;
    for (auto _ : state) {
        fillPermutation(perm, 864, random);
        benchmark::DoNotOptimize(perm.data());
    }
}
BENCHMARK(BM_FillPermutation864);

// Clears face 0 of a fresh deal in a fixed order, timing only the removals.
template <typename Remove>
void clearOut(benchmark::State& state, Remove remove) {
    const std::vector<Removal> order = clearOutOrder();
    Board board;
    for (auto _ : state) {
        state.PauseTiming();
        dealForBench(board);
        Face& face = *board.face(0);
        const std::vector<Card*> cards = cardsInOrder(face, order);
        state.ResumeTiming();
        for (Card* card : cards) remove(face, card);
        benchmark::DoNotOptimize(face.cardCount());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(order.size()));
}

// With the release rule after every card.
void BM_RemoveCardClearOut(benchmark::State& state) {
    clearOut(state, [](Face& face, Card* card) { face.removeCard(card); });
}
BENCHMARK(BM_RemoveCardClearOut);

// Taking the cards off without looking for opened ones: the cost of the rule itself.
void BM_LayerRemoveClearOut(benchmark::State& state) {
    clearOut(state, [](Face& face, Card* card) { face.layers[card->level - 1u].remove(card); });
}
BENCHMARK(BM_LayerRemoveClearOut);

}  // namespace
}  // namespace pelmora
