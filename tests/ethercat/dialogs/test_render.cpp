// Both editors with filled tables, painted whole (VYN_RENDER_DIR=<dir> keeps
// the pictures for a developer to look at), with probes of what they show.
#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>

#include <cstdlib>

#include "dialog_fixture.h"
#include "grid/edit/grid_combo.h"

namespace {

void Keep(const QImage& Image, const char* Name)
{
    if (const char* keep = std::getenv("VYN_RENDER_DIR"))
        Image.save(QString::fromLocal8Bit(keep) + "/" + Name, "PNG");
}

QRgb Rgb(int R, int G, int B) { return QColor(R, G, B).rgb(); }

TEST_F(EtherCATDialogTest, BothEditorsRenderWithFilledTables)
{
    TEtherCAT_Variables file;
    file.StoM = {
        {"Y", "Bool", "1", "Run", "1", "", "", "", "motor running"},
        {"Y", "Bool", "1", "Ready", "", "", "", "", ""},
        {"N", "Int16", "2", "Spare", "", "", "", "", ""},
        {"Y", "UInt16", "2", "Speed", "1500", "", "", "", "rpm"},
        {"Y", "String", "8", "Tag", "ABC", "", "", "", ""},
        {"Y", "Array", "4", "Raw", "0A0B", "", "", "", ""},
        {"Y", "Float32", "4", QString::fromUtf8("Temp \xC2\xB0""C"), "21.5", "", "", "", ""},
    };
    file.MtoS = {{"Y", "Int32", "4", "Target", "", "", "", "", ""}, {"Y", "Bool", "1", "Start", "", "", "", "", ""}};
    Save_EtherCAT_Slave(File_EtherCAT_Slave, file);
    Save_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group,
                              {{{"Status", "2", "bits"}, {"Values", "5", ""}}, {{"Commands", "2", ""}}});

    TestKit::ModalFormDriver modal;
    modal.When(vars, [&](TForm&) {
        S()->SetRow(4);
        S()->SetCol(4);
        const QImage image = TestKit::RenderToImage(vars);
        Keep(image, "ethercat_variables.png");
        ASSERT_EQ(image.size(), QSize(1200, 337));
        // The Type column's colour, the Enable column's, the white title band.
        const TRect t = S()->CellRect(2, 3);
        const TPoint o = S()->ClientToScreen(TPoint(0, 0)), f = vars->ClientToScreen(TPoint(0, 0));
        const int dx = o.X - f.X, dy = o.Y - f.Y;
        EXPECT_EQ(image.pixel(dx + t.Right - 4, dy + t.Bottom - 4), Rgb(224, 250, 254));
        const TRect e = S()->CellRect(1, 3);
        EXPECT_EQ(image.pixel(dx + e.Left + 3, dy + e.Bottom - 4), Rgb(255, 216, 176));
        EXPECT_EQ(image.pixel(600, 20), QColor(Qt::white).rgb());

        // The Type combo open on the UInt16 row, its list drawn where it shows.
        S()->SetFocus();
        S()->FocusCell(2, 4, true);
        TestKit::TypeKey(nullptr, VK_F2);
        TestKit::PumpPostedMessages();
        TGridCombo* combo = S()->ComboEditor();
        ASSERT_TRUE(combo->Visible());
        EXPECT_EQ(combo->Text(), "UInt16");
        combo->SetDroppedDown(true);
        TestKit::PumpPostedMessages();
        ASSERT_TRUE(combo->DroppedDown());
        QWidget* popup = static_cast<QComboBox*>(combo->Widget())->view()->window();
        QImage open = TestKit::RenderToImage(vars);
        {
            const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - QPoint(f.X, f.Y);
            QPainter p(&open);
            p.drawPixmap(at, popup->grab());
        }
        Keep(open, "ethercat_variables_type_combo.png");
        // The list drops below the cell with the ten types.
        EXPECT_EQ(combo->Items().Count(), 10);
        EXPECT_GE(popup->mapToGlobal(QPoint(0, 0)).y(), combo->ClientToScreen(TPoint(0, 0)).Y + combo->Height() - 2);
        combo->SetDroppedDown(false);
        TestKit::TypeKey(combo, VK_ESCAPE);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(S()->Cells(2, 4), "UInt16");
        vars->SetModalResult(mrCancel);
    });
    vars->ShowModal();

    modal.When(groups, [&](TForm&) {
        const QImage image = TestKit::RenderToImage(groups);
        Keep(image, "ethercat_groups.png");
        ASSERT_EQ(image.size(), QSize(800, 337));
        const TRect n = groups->VCG_Group_StoM->CellRect(2, 1);
        const TPoint o = groups->VCG_Group_StoM->ClientToScreen(TPoint(0, 0));
        const TPoint f = groups->ClientToScreen(TPoint(0, 0));
        EXPECT_EQ(image.pixel(o.X - f.X + n.Right - 4, o.Y - f.Y + n.Bottom - 4), Rgb(168, 255, 168));
        groups->SetModalResult(mrCancel);
    });
    groups->ShowModal();
}

}  // namespace
