// The values and sums of the column calculations (grid_calc_kernel.h).
#include "grid/data/grid_calc_kernel.h"

#include <cmath>

#include "grid/core/grid_text.h"
#include "grid/render/html/html_text.h"

bool CalcNumberOf(const QString& Text, const TGridFormatSettings& FS, double& Value)
{
    const QString t = Text.contains(u'<') ? HTMLToPlainText(Text) : Text;
    qsizetype a = 0, b = t.size();
    while (a < b && t[a] <= u' ')
        ++a;
    while (b > a && t[b - 1] <= u' ')
        --b;
    if (a == b || (b - a == 1 && t[a] == u'-')) {
        Value = 0;
        return true;
    }
    const QString n = CleanNumberText(t, FS);
    if (n.isEmpty() || n == u"-")
        return false;
    return TryStrToFloat(n, Value, u'.');
}

void TColumnValues::Set(size_t I, TCalcKind K, double V)
{
    const TCalcKind old = Kind[I];
    Counted += int(K != TCalcKind::NotCounted) - int(old != TCalcKind::NotCounted);
    Numbers += int(K == TCalcKind::Number) - int(old == TCalcKind::Number);
    Kind[I] = K;
    Value[I] = K == TCalcKind::Number ? V : 0.0;
}

// ---- TSumTree ------------------------------------------------------------------------------------

namespace {

size_t LeafCount(size_t N, size_t Block)
{
    size_t leaves = 1;
    while (leaves * Block < N)
        leaves *= 2;
    return leaves;
}

double BlockSum(const std::vector<double>& V, size_t From, size_t Block)
{
    double s = 0;
    for (size_t i = From; i < From + Block && i < V.size(); ++i)
        s += V[i];
    return s;
}

}  // namespace

void TSumTree::Build(const std::vector<double>& V)
{
    leaves_ = LeafCount(V.size(), Block);
    node_.assign(2 * leaves_, 0.0);
    for (size_t l = 0; l * Block < V.size(); ++l)
        node_[leaves_ + l] = BlockSum(V, l * Block, Block);
    for (size_t k = leaves_ - 1; k >= 1; --k)
        node_[k] = node_[2 * k] + node_[2 * k + 1];
}

void TSumTree::Update(const std::vector<double>& V, size_t I)
{
    size_t k = leaves_ + I / Block;
    node_[k] = BlockSum(V, I / Block * Block, Block);
    for (k /= 2; k >= 1; k /= 2)
        node_[k] = node_[2 * k] + node_[2 * k + 1];
}

// ---- TExtremeTree --------------------------------------------------------------------------------

TExtremeTree::TNode TExtremeTree::Pick(const TNode& A, const TNode& B) const
{
    if (!A.Any)
        return B;
    if (!B.Any)
        return A;
    return (largest_ ? B.Value > A.Value : B.Value < A.Value) ? B : A;
}

void TExtremeTree::Build(const TColumnValues& V)
{
    leaves_ = LeafCount(V.Value.size(), 1);
    node_.assign(2 * leaves_, TNode{});
    for (size_t i = 0; i < V.Value.size(); ++i)
        node_[leaves_ + i] = TNode{V.Kind[i] == TCalcKind::Number, V.Value[i]};
    for (size_t k = leaves_ - 1; k >= 1; --k)
        node_[k] = Pick(node_[2 * k], node_[2 * k + 1]);
}

void TExtremeTree::Update(const TColumnValues& V, size_t I)
{
    size_t k = leaves_ + I;
    node_[k] = TNode{V.Kind[I] == TCalcKind::Number, V.Value[I]};
    for (k /= 2; k >= 1; k /= 2)
        node_[k] = Pick(node_[2 * k], node_[2 * k + 1]);
}

double StdDevOf(const TColumnValues& V, double Sum)
{
    if (V.Numbers == 0)
        return 0;
    const double mean = Sum / V.Numbers;
    double sq = 0;
    for (size_t i = 0; i < V.Value.size(); ++i)
        if (V.Kind[i] == TCalcKind::Number)
            sq += (V.Value[i] - mean) * (V.Value[i] - mean);
    return std::sqrt(sq / V.Numbers);
}
