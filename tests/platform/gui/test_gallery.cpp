// One form holding every standard control, rendered to a PNG for a
// developer to look at (VYN_RENDER_DIR=<dir> keeps a copy), with a few pixel
// checks that catch a control that paints nothing or the wrong colours.
#include <QImage>

#include <cstdlib>

#include "gui_fixture.h"
#include "platform/gui/category_panel.h"
#include "platform/gui/comctrls.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/hintwindow.h"
#include "support/temp_dir.h"

namespace {

template <typename T>
T* Place(TComponent* Owner, TWinControl* Parent, const char* Name, int L, int T_, int W, int H)
{
    auto* c = new T(Owner);
    c->SetName(QString::fromLatin1(Name));
    c->SetBounds(L, T_, W, H);
    c->SetParent(Parent);
    return c;
}

// A small picture: a blue square with a yellow diagonal band, a magenta
// background for the transparent copy.
void DrawPicture(TBitmap& b, int Size)
{
    b.SetSize(Size, Size);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect(Rect(0, 0, Size, Size));
    c.Brush().SetColor(RGBColor(0x1E, 0x6F, 0xD9));
    c.FillRect(Rect(2, 2, Size - 2, Size - 2));
    c.Pen().SetColor(clYellow);
    c.Pen().SetWidth(3);
    c.MoveTo(3, Size - 4);
    c.LineTo(Size - 4, 3);
}

class TGalleryForm : public TForm {
public:
    TImageList* Images = nullptr;
    TEdit* E_Name = nullptr;
    TButton* Btn_OK = nullptr;
    TCategoryPanelGroup* CPG = nullptr;
    TShape* Shape_Frame = nullptr;
    TPanel* P_Title = nullptr;

    explicit TGalleryForm(TComponent* AOwner) : TForm(AOwner)
    {
        BeginLoading();
        SetName("FGallery");
        SetCaption("Gallery");
        SetColor(RGBColor(248, 247, 237));
        Font().SetName("Verdana");
        Font().SetHeight(-11);
        SetBorderStyle(bsSingle);
        SetBorderIcons({biSystemMenu});
        SetPosition(poScreenCenter);

        Images = new TImageList(this, 16, 16);
        for (TColor col : {clGreen, clMaroon}) {
            TBitmap b(16, 16);
            b.Canvas().Brush().SetColor(clFuchsia);
            b.Canvas().FillRect(Rect(0, 0, 16, 16));
            b.Canvas().Brush().SetColor(col);
            b.Canvas().Ellipse(2, 2, 14, 14);
            Images->AddMasked(b, clFuchsia);
        }

        // Title band.
        P_Title = Place<TPanel>(this, this, "P_Title", 0, 0, 700, 52);
        P_Title->SetAlign(alTop);
        P_Title->SetColor(clWhite);
        P_Title->SetBevelOuter(bvNone);
        P_Title->SetCaption("");
        auto* code = Place<TLabel>(this, P_Title, "L_SW_Code", 12, 4, 0, 0);
        code->Font().SetHeight(-32);
        code->Font().SetColor(clGray);
        code->SetCaption("CF48T21");
        auto* desc = Place<TLabel>(this, P_Title, "L_SW_Desc", 200, 20, 0, 0);
        desc->Font().SetStyle({fsBold});
        desc->Font().SetColor(clGray);
        desc->SetCaption("Every control of the platform layer: <b>plain</b> text && no markup");

        // Column 1: labels, edits, combos, memo, list.
        auto* l1 = Place<TLabel>(this, this, "L_Name", 12, 64, 0, 0);
        l1->SetCaption("&Name:");
        E_Name = Place<TEdit>(this, this, "E_Name", 90, 60, 150, 21);
        E_Name->SetText("Gateway 1");
        l1->SetFocusControl(E_Name);
        auto* l2 = Place<TLabel>(this, this, "L_Port", 12, 91, 0, 0);
        l2->SetCaption("Port (digits):");
        auto* port = Place<TEdit>(this, this, "E_Port", 90, 87, 70, 21);
        port->SetNumbersOnly(true);
        port->SetText("502");
        auto* ro = Place<TEdit>(this, this, "E_Disabled", 165, 87, 75, 21);
        ro->SetText("disabled");
        ro->SetEnabled(false);
        auto* l3 = Place<TLabel>(this, this, "L_Type", 12, 118, 0, 0);
        l3->SetCaption("List combo:");
        auto* cbl = Place<TComboBox>(this, this, "CB_Type", 90, 114, 150, 21);
        cbl->SetStyle(csDropDownList);
        cbl->Items().AddStrings({"BACnet/IP", "BACnet MS/TP", "Modbus TCP"});
        cbl->SetItemIndex(2);
        auto* l4 = Place<TLabel>(this, this, "L_Host", 12, 145, 0, 0);
        l4->SetCaption("Edit combo:");
        auto* cbe = Place<TComboBox>(this, this, "CB_Host", 90, 141, 150, 21);
        cbe->Items().AddStrings({"192.168.0.5", "10.0.0.1"});
        cbe->SetText("192.168.0.5");
        auto* memo = Place<TMemo>(this, this, "M_Notes", 12, 170, 228, 70);
        memo->SetScrollBars(ssVertical);
        memo->Lines().AddStrings({"First line of the memo", "Second line", "A long third line that wraps around "
                                                                            "inside the memo's width"});
        auto* list = Place<TListBox>(this, this, "LB_Configs", 12, 248, 228, 84);
        for (int i = 1; i <= 9; ++i)
            list->Items().Add(QStringLiteral("Configuration %1").arg(i));
        list->SetItemIndex(1);
        auto* spin = Place<TSpinEdit>(this, this, "SE_Count", 12, 340, 80, 21);
        spin->SetMinValue(0);
        spin->SetMaxValue(99);
        spin->SetValue(42);
        auto* upEdit = Place<TEdit>(this, this, "E_Up", 100, 340, 70, 21);
        auto* updown = Place<TUpDown>(this, this, "UD_Up", 0, 0, 17, 21);
        updown->SetMax(5000);
        updown->SetPosition(1200);
        updown->SetAssociate(upEdit);
        auto* link = Place<TLinkLabel>(this, this, "LL_Update", 12, 372, 0, 0);
        link->SetCaption("New version. <a href=\"https://example.com/download\">Click Here</a> for details");

        // Column 2: check boxes, radios, group boxes, page control, buttons.
        auto* gb = Place<TGroupBox>(this, this, "GB_Options", 255, 60, 200, 112);
        gb->SetCaption("&Options");
        auto* c1 = Place<TCheckBox>(this, gb, "CB_En_Con", 10, 18, 180, 17);
        c1->SetCaption("Enable &Internet Connection");
        c1->SetChecked(true);
        auto* c2 = Place<TCheckBox>(this, gb, "CB_Update", 10, 38, 180, 17);
        c2->SetCaption("Check update (disabled)");
        c2->SetChecked(true);
        c2->SetEnabled(false);
        auto* c3 = Place<TCheckBox>(this, gb, "CB_Grayed", 10, 58, 180, 17);
        c3->SetAllowGrayed(true);
        c3->SetState(cbGrayed);
        c3->SetCaption("Grayed state");
        auto* r1 = Place<TRadioButton>(this, gb, "RB_Cable", 10, 78, 80, 17);
        r1->SetCaption("Cable");
        r1->SetChecked(true);
        auto* r2 = Place<TRadioButton>(this, gb, "RB_WiFi", 100, 78, 80, 17);
        r2->SetCaption("Wi-Fi");
        auto* rg = Place<TRadioGroup>(this, this, "RG_Speed", 255, 178, 200, 70);
        rg->SetCaption("Speed");
        rg->SetColumns(2);
        rg->Items().AddStrings({"9600", "19200", "38400", "115200"});
        rg->SetItemIndex(3);
        auto* pc = Place<TPageControl>(this, this, "PC_Options", 255, 254, 200, 110);
        auto* ts1 = new TTabSheet(this);
        ts1->SetName("TS_Language");
        ts1->SetCaption("Language");
        ts1->SetPageControl(pc);
        auto* ts2 = new TTabSheet(this);
        ts2->SetName("TS_Con_Options");
        ts2->SetCaption("Connection");
        ts2->SetPageControl(pc);
        auto* ts3 = new TTabSheet(this);
        ts3->SetName("TS_Hidden");
        ts3->SetCaption("Hidden tab");
        ts3->SetTabVisible(false);
        ts3->SetPageControl(pc);
        auto* tl = Place<TLabel>(this, ts2, "L_Page2", 8, 8, 0, 0);
        tl->SetCaption("Second page is active");
        auto* img = Place<TImage>(this, ts2, "I_Flag", 8, 28, 48, 48);
        DrawPicture(img->Picture().Bitmap(), 24);
        img->SetStretch(true);
        auto* img2 = Place<TImage>(this, ts2, "I_Transparent", 64, 28, 48, 48);
        DrawPicture(img2->Picture().Bitmap(), 48);
        img2->SetTransparent(true);
        pc->SetActivePage(ts2);

        Btn_OK = Place<TButton>(this, this, "Btn_OK", 255, 372, 75, 25);
        Btn_OK->SetCaption("OK");
        Btn_OK->SetDefault(true);
        Btn_OK->SetModalResult(mrOk);
        auto* cancel = Place<TButton>(this, this, "Btn_Cancel", 335, 372, 75, 25);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        auto* off = Place<TButton>(this, this, "Btn_Off", 415, 372, 40, 25);
        off->SetCaption("Off");
        off->SetEnabled(false);

        // Column 3: shapes, panels, scroll box, category panel group.
        auto* sh = Place<TShape>(this, this, "Shape2", 470, 60, 218, 36);
        sh->Pen().SetColor(clSilver);
        sh->Brush().SetStyle(bsClear);
        Shape_Frame = sh;
        auto* line = Place<TShape>(this, this, "Shape1", 470, 102, 218, 1);
        line->Pen().SetColor(clGray);
        auto* ell = Place<TShape>(this, this, "Shape_Circle", 478, 66, 24, 24);
        ell->SetShape(stCircle);
        ell->Brush().SetColor(clLime);
        auto* rr = Place<TShape>(this, this, "Shape_Round", 510, 66, 60, 24);
        rr->SetShape(stRoundRect);
        rr->Brush().SetColor(clSkyBlue);
        auto* pRaised = Place<TPanel>(this, this, "P_Raised", 470, 110, 106, 40);
        pRaised->SetCaption("Raised");
        auto* pLowered = Place<TPanel>(this, this, "P_Lowered", 582, 110, 106, 40);
        pLowered->SetBevelOuter(bvLowered);
        pLowered->SetBevelInner(bvRaised);
        pLowered->SetBorderWidth(2);
        pLowered->SetCaption("Lowered");
        auto* sb = Place<TScrollBox>(this, this, "SB_Box", 470, 156, 218, 60);
        for (int i = 0; i < 4; ++i) {
            auto* l = Place<TLabel>(this, sb, QStringLiteral("L_Row%1").arg(i).toLatin1().constData(), 6, 4 + i * 20, 0, 0);
            l->SetCaption(QStringLiteral("Scroll box row %1").arg(i + 1));
        }
        CPG = Place<TCategoryPanelGroup>(this, this, "CPG", 470, 222, 218, 142);
        CPG->SetGradientColor(RGBColor(231, 216, 216));
        CPG->SetGradientBaseColor(clWhite);
        CPG->SetChevronHotColor(clRed);
        CPG->HeaderFont().SetName("Verdana");
        CPG->HeaderFont().SetHeight(-15);
        CPG->HeaderFont().SetStyle({fsBold});
        CPG->HeaderFont().SetColor(clGray);
        CPG->SetImages(Images);
        CPG->SetColor(RGBColor(248, 247, 237));
        const char* titles[] = {"1. Ethernet Connection", "2. EtherCAT Slave", "3. Modbus TCP Slave"};
        for (int i = 0; i < 3; ++i) {
            auto* p = CPG->CreatePanel(this);
            p->SetName(QStringLiteral("CP_%1").arg(i));
            p->SetCaption(titles[i]);
            p->SetExpandedImageIndex(0);
            p->SetCollapsedImageIndex(1);
            p->SetHeight(24 + 58);
            auto* l = Place<TLabel>(this, p, QStringLiteral("L_CP%1").arg(i).toLatin1().constData(), 14, 12, 0, 0);
            l->SetCaption("Node Address");
            auto* e = Place<TEdit>(this, p, QStringLiteral("E_CP%1").arg(i).toLatin1().constData(), 110, 9, 90, 21);
            e->SetText(QString::number(i + 1));
        }
        CPG->Panels(1)->Collapse();

        SetClientWidth(700);
        SetClientHeight(404);
        Loaded();
    }
};

QRgb Rgb(TColor C) { return ToQColor(C).rgb(); }

void KeepCopy(const QImage& Image, const QString& Name)
{
    if (const char* keep = std::getenv("VYN_RENDER_DIR"))
        Image.save(QString::fromLocal8Bit(keep) + "/" + Name, "PNG");
}

}  // namespace

TEST(Gallery, EveryControlOnOneFormRendersToPng)
{
    TestKit::InputStateScope input;
    TGalleryForm form(nullptr);
    form.Show();
    form.E_Name->SetFocus();

    TempDir dir;
    const QString path = dir.file("gallery.png");
    ASSERT_TRUE(TestKit::RenderToPng(&form, path));
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(700, 404));
    KeepCopy(image, "gallery.png");

    // The form's own colour between the controls, the title band white.
    EXPECT_EQ(image.pixel(5, 200), Rgb(RGBColor(248, 247, 237)));
    EXPECT_EQ(image.pixel(690, 30), Rgb(clWhite));
    // The frame shape: silver outline, nothing filled inside.
    EXPECT_EQ(image.pixel(470 + 100, 60), Rgb(clSilver));
    EXPECT_EQ(image.pixel(470 + 100, 80), Rgb(RGBColor(248, 247, 237)));
    // The edit: a white field inside a sunken border.
    EXPECT_EQ(image.pixel(90 + 140, 60 + 10), Rgb(clWhite));
    EXPECT_EQ(image.pixel(90, 60), Rgb(clBtnShadow));
    // The list box shows its chosen item highlighted.
    EXPECT_EQ(image.pixel(12 + 150, 248 + 2 + 13 + 6), Rgb(clHighlight));
    // The collapsed category panel is only its header: the third panel's
    // header follows right below it.
    const TCategoryPanel* second = form.CPG->Panels(1);
    EXPECT_EQ(second->Height(), 24);
    EXPECT_EQ(form.CPG->Panels(2)->Top(), second->Top() + 24);
}

TEST(Gallery, MessageBoxAndHintRenderToPng)
{
    TestKit::InputStateScope input;
    TForm* box = CreateMessageDialog("Do you want to change the Language from English to Italiano?", mtConfirmation,
                                     mbYesNo);
    struct Free {
        TForm* f;
        ~Free() { f->Free(); }
    } free{box};
    box->Show();
    const QImage boxImage = TestKit::RenderToImage(box);
    ASSERT_FALSE(boxImage.isNull());
    KeepCopy(boxImage, "message_box.png");
    auto* yes = static_cast<TButton*>(box->FindComponent("Yes"));
    auto* no = static_cast<TButton*>(box->FindComponent("No"));
    ASSERT_TRUE(yes && no);
    EXPECT_TRUE(yes->Focused());
    EXPECT_LT(yes->Left(), no->Left());

    THintInfo info;
    info.HintStr = "Insert the Device Name (hostname)";
    info.HintColor = clInfoBk;
    info.HintPos = {100, 100};
    ActivateApplicationHint(info);
    THintWindow* hint = ApplicationHintWindow();
    ASSERT_TRUE(hint->IsHintShowing());
    const QImage hintImage = TestKit::RenderToImage(hint);
    KeepCopy(hintImage, "hint.png");
    EXPECT_EQ(hintImage.pixel(0, 0), Rgb(clInfoText));
    EXPECT_EQ(hintImage.pixel(1, 1), Rgb(clInfoBk));
    HideApplicationHint();
    EXPECT_FALSE(hint->IsHintShowing());
}
