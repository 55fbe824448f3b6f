#pragma once
// What the column calculations read from a column and how they add it up,
// shared by the calculations and by the floating footer, which keeps the
// values of its columns and updates one value per changed cell: both go
// through the same sums, so a footer kept up to date cell by cell shows
// exactly what a full calculation writes.
#include <QString>

#include <cstdint>
#include <vector>

#include "grid/core/grid_format.h"
#include "grid/core/vyn_string_grid.h"

// A cell text as a number: markup stripped, the numeric part read under the
// grid's separators (CleanNumberText); an empty text or a lone "-" reads as
// 0. False for a text that holds no number.
bool CalcNumberOf(const QString& Text, const TGridFormatSettings& FS, double& Value);

enum class TCalcKind : uint8_t { NotCounted, NoNumber, Number };

// The rows of a range, each position: whether it counts, whether it holds a
// number and its value (0 unless a number).
struct TColumnValues {
    std::vector<double> Value;
    std::vector<TCalcKind> Kind;
    int Counted = 0;
    int Numbers = 0;
    explicit TColumnValues(size_t N = 0) : Value(N, 0.0), Kind(N, TCalcKind::NotCounted) {}
    // Position I becomes K with V; the counts follow.
    void Set(size_t I, TCalcKind K, double V);
};

// The total of the values as pairwise sums over blocks of 16 (more exact
// than one running sum); one changed value is taken in with log n sums.
class TSumTree {
public:
    void Build(const std::vector<double>& V);
    void Update(const std::vector<double>& V, size_t I);
    double Total() const { return node_.size() > 1 ? node_[1] : 0.0; }

private:
    static constexpr size_t Block = 16;
    size_t leaves_ = 0;
    // Heap order: node 1 is the root, leaves from leaves_.
    std::vector<double> node_;
};

// The smallest (largest) number of the values; none when no position holds
// one. One changed value is taken in with log n comparisons.
class TExtremeTree {
public:
    explicit TExtremeTree(bool Largest) : largest_(Largest) {}
    void Build(const TColumnValues& V);
    void Update(const TColumnValues& V, size_t I);
    bool Any() const { return node_.size() > 1 && node_[1].Any; }
    double Value() const { return Any() ? node_[1].Value : 0.0; }

private:
    struct TNode {
        bool Any = false;
        double Value = 0;
    };
    TNode Pick(const TNode& A, const TNode& B) const;
    bool largest_;
    size_t leaves_ = 0;
    std::vector<TNode> node_;
};

// The population standard deviation of the numbers, their total being Sum
// (0 without numbers).
double StdDevOf(const TColumnValues& V, double Sum);

// The rows a column calculation reads.
struct TVynStringGrid::TCalcRange {
    int Col = 0;
    int From = 0;
    int To = -1;
    // Real rows, hidden rows included.
    bool Real = false;
    bool SameRows(const TCalcRange& R) const { return From == R.From && To == R.To && Real == R.Real; }
};
