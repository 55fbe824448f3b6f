// The node glyphs as the cell painter draws them in column 0 of node rows,
// one picture per node type, contracted and expanded. The pictures go to
// VYN_SHOT_DIR when that is set (to look at), else to a temporary folder.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>

#include "data_grid_fixture.h"
#include "grid/data/grid_data_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/forms.h"
#include "platform/testing/render_png.h"
#include "support/temp_dir.h"

namespace {

struct NodeGlyphCase {
    TNodeType Type;
    const char* Name;
};

class NodeGlyphs : public ::testing::TestWithParam<NodeGlyphCase> {};

// The pixels of two equal-sized areas that differ.
int Differ(const QImage& Img, const TRect& A, const TRect& B)
{
    int n = 0;
    for (int y = 0; y < A.Height(); ++y)
        for (int x = 0; x < A.Width(); ++x)
            if (Img.pixel(A.Left + x, A.Top + y) != Img.pixel(B.Left + x, B.Top + y))
                ++n;
    return n;
}

}  // namespace

TEST_P(NodeGlyphs, ContractedAndExpandedNodesDrawTheirGlyphs)
{
    TempDir tmp;
    const char* dir = std::getenv("VYN_SHOT_DIR");
    const String shots = dir ? QString::fromLocal8Bit(dir) : tmp.path();
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 260, 220);
    auto* g = new TDataGrid(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 240, 200);
    FillGrid(*g, 3, 8);
    g->SetColWidths(0, 40);
    for (int r = 0; r < 8; ++r)
        g->SetCells(0, r, String());
    g->CellNode()->SetNodeType(GetParam().Type);
    if (GetParam().Type == TNodeType::cnGlyph) {
        // A filled and a hollow 9 x 9 square on white.
        for (const bool filled : {true, false}) {
            TBitmap b(9, 9);
            b.Canvas().Brush().SetColor(clWhite);
            b.Canvas().FillRect(TRect{0, 0, 9, 9});
            b.Canvas().Brush().SetColor(clBlue);
            if (filled)
                b.Canvas().FillRect(TRect{1, 1, 8, 8});
            else
                b.Canvas().FrameRect(TRect{1, 1, 8, 8});
            filled ? g->CellNode()->SetContractGlyph(b) : g->CellNode()->SetExpandGlyph(b);
        }
    }
    g->AddNode(1, 3);  // rows 1 .. 3
    g->AddNode(4, 2);  // rows 4 .. 5
    g->ContractNode(4);
    form->Show();
    Application.ProcessMessages();
    const QImage img = TestKit::RenderToImage(g);
    ASSERT_FALSE(img.isNull());
    EXPECT_TRUE(img.save(shots + QStringLiteral("/node_glyph_%1.png").arg(QString::fromLatin1(GetParam().Name))));
    img.scaled(img.size() * 4).save(shots + QStringLiteral("/node_glyph_%1_x4.png").arg(QString::fromLatin1(GetParam().Name)));

    const TRect open = g->CellRect(0, 1), shut = g->CellRect(0, 4), plain = g->CellRect(0, 5);
    // Both node rows carry a glyph over the cell a row without node shows;
    // the contracted glyph is not the expanded one.
    EXPECT_GT(Differ(img, open, plain), 20);
    EXPECT_GT(Differ(img, shut, plain), 20);
    EXPECT_GT(Differ(img, open, shut), 4);
    delete form;
}

INSTANTIATE_TEST_SUITE_P(Types, NodeGlyphs,
                         ::testing::Values(NodeGlyphCase{TNodeType::cnFlat, "flat"}, NodeGlyphCase{TNodeType::cn3D, "3d"},
                                           NodeGlyphCase{TNodeType::cnGlyph, "glyph"},
                                           NodeGlyphCase{TNodeType::cnLeaf, "leaf"}, NodeGlyphCase{TNodeType::cnXP, "xp"}),
                         [](const auto& I) { return std::string(I.param.Name); });
