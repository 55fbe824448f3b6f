// The row store's gap buffer against a plain vector: the same inserts,
// erases, moves and rebuilds in any order give the same values.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "platform/grids/gap_vector.h"

namespace {

template <typename V>
std::vector<int> Values(V& G)
{
    std::vector<int> v;
    for (size_t i = 0; i < G.size(); ++i)
        v.push_back(G[i] ? *G[i] : 0);
    return v;
}

TEST(GapVector, FollowsAPlainVector)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        TGapVector<std::unique_ptr<int>> g;
        std::vector<int> ref;
        int next = 1;
        for (int step = 0; step < 400; ++step) {
            const size_t n = ref.size();
            switch (rng() % 6) {
            case 0:
            case 1: {  // insert empty slots, then fill some
                const size_t at = rng() % (n + 1), count = rng() % 5;
                g.insert(at, count);
                ref.insert(ref.begin() + std::ptrdiff_t(at), count, 0);
                for (size_t i = at; i < at + count; ++i)
                    if (rng() % 2) {
                        g[i] = std::make_unique<int>(next);
                        ref[i] = next++;
                    }
                break;
            }
            case 2:
            case 3: {  // erase a run, often just after the last edit
                if (n == 0)
                    break;
                const size_t at = rng() % n, count = 1 + rng() % std::min<size_t>(3, n - at);
                g.erase(at, count);
                ref.erase(ref.begin() + std::ptrdiff_t(at), ref.begin() + std::ptrdiff_t(at + count));
                break;
            }
            case 4:  // a rebuild through the flat vector
                g.resize(n + 2);
                ref.resize(n + 2, 0);
                break;
            case 5:  // write through an index
                if (n > 0) {
                    const size_t at = rng() % n;
                    g[at] = std::make_unique<int>(next);
                    ref[at] = next++;
                }
                break;
            }
            ASSERT_EQ(Values(g), ref) << "seed " << seed << " step " << step;
        }
        int filled = 0;
        g.ForEachSlot([&filled](std::unique_ptr<int>& P) { filled += P ? 1 : 0; });
        EXPECT_EQ(filled, int(std::count_if(ref.begin(), ref.end(), [](int x) { return x != 0; })));
    }
}

TEST(GapVector, ErasedValuesAreFreedAndGapSlotsEmpty)
{
    TGapVector<std::shared_ptr<int>> g;
    auto probe = std::make_shared<int>(7);
    g.insert(0, 10);
    for (size_t i = 0; i < 10; ++i)
        g[i] = std::make_shared<int>(int(i));
    g[5] = probe;
    g.erase(3, 4);  // drops 3 .. 6, the probe among them
    EXPECT_EQ(probe.use_count(), 1);
    g.erase(1, 1);  // the gap moves back over a value
    g.insert(8 - 3, 2);
    std::vector<int> v;
    for (size_t i = 0; i < g.size(); ++i)
        v.push_back(g[i] ? *g[i] : -1);
    EXPECT_EQ(v, (std::vector<int>{0, 2, 7, 8, 9, -1, -1}));
}

// A walk over a range gives the values in order, whichever side of the gap
// the range lies on, and writes through to them.
TEST(GapVector, ForEachInWalksARangeAcrossTheGap)
{
    TGapVector<int> g;
    g.insert(0, 10);
    for (size_t i = 0; i < 10; ++i)
        g[i] = int(i);
    g.erase(4, 2);  // the gap now sits at index 4: 0 1 2 3 | 6 7 8 9
    const std::vector<int> ref{0, 1, 2, 3, 6, 7, 8, 9};
    for (size_t from = 0; from <= ref.size(); ++from)
        for (size_t to = from; to <= ref.size(); ++to) {
            std::vector<int> seen;
            static_cast<const TGapVector<int>&>(g).ForEachIn(from, to, [&](int V) { seen.push_back(V); });
            EXPECT_EQ(seen, std::vector<int>(ref.begin() + std::ptrdiff_t(from), ref.begin() + std::ptrdiff_t(to)))
                << from << ".." << to;
        }
    g.ForEachIn(2, 6, [](int& V) { V += 100; });
    std::vector<int> all;
    for (size_t i = 0; i < g.size(); ++i)
        all.push_back(g[i]);
    EXPECT_EQ(all, (std::vector<int>{0, 1, 102, 103, 106, 107, 8, 9}));
}

}  // namespace
