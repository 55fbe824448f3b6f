// The windows rendered offscreen to PNG for a developer to look at
// (VYN_RENDER_DIR=<dir> keeps a copy), with pixel checks that catch a window
// drawn without its steps, glyphs or labels.
#include <QImage>

#include <cstdlib>

#include "shell_fixture.h"

namespace {

String Keep(const TempDir& Dir, const char* Name)
{
    const char* keep = std::getenv("VYN_RENDER_DIR");
    return keep ? QString::fromLocal8Bit(keep) + "/" + Name : Dir.file(Name);
}

// The number of dark pixels (text, glyph outlines) in a rectangle.
int Dark_In(const QImage& Image, QRect R)
{
    int n = 0;
    R = R.intersected(Image.rect());
    for (int y = R.top(); y <= R.bottom(); ++y)
        for (int x = R.left(); x <= R.right(); ++x)
            n += qGray(Image.pixel(x, y)) < 160;
    return n;
}

// A control's rectangle in its form's client coordinates.
QRect On_Form(const TControl* C, const TForm* Form)
{
    QRect r(C->Left(), C->Top(), C->Width(), C->Height());
    for (const TWinControl* p = C->Parent(); p && p != Form; p = p->Parent())
        r.translate(p->Left(), p->Top());
    return r;
}

// Renders a window to a PNG and reads the file back: the file holds the
// rendered picture.
QImage Render_Through_Png(TForm* Form, const String& Path)
{
    const QImage rendered = TestKit::RenderToImage(Form);
    EXPECT_TRUE(TestKit::RenderToPng(Form, Path));
    const QImage read(Path);
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), rendered.convertToFormat(QImage::Format_RGB32))
        << Path.toStdString();
    return read;
}

}  // namespace

TEST_F(ShellTest, MainWindowRendersItsStepsToolButtonsAndLabels)
{
    Start();
    Main().Show();
    const QImage image = TestKit::RenderToImage(&Main());
    ASSERT_EQ(image.size(), QSize(694, 440));
    EXPECT_TRUE(TestKit::RenderToPng(&Main(), Keep(dir, "main_window.png")));
    EXPECT_EQ(Main().L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    // The steps' labels and pictures are drawn: dark pixels left of the
    // steps (labels), and the glyphs' colours inside the step buttons.
    auto dark_in = [&](QRect R) {
        int n = 0;
        for (int y = R.top(); y <= R.bottom(); ++y)
            for (int x = R.left(); x <= R.right(); ++x)
                n += qGray(image.pixel(x, y)) < 160;
        return n;
    };
    for (int step = 0; step < 5; ++step)
        EXPECT_GT(dark_in(QRect(16, 128 + 44 * step, 50, 14)), 10) << "Step " << step + 1;
    EXPECT_GT(dark_in(QRect(87, 75, 300, 26)), 50) << "the open-configuration lines";
    for (TLbButton* b : {Main().Btn_New, Main().Btn_CreateBin, Main().Btn_Info, Main().Btn_Close})
        EXPECT_GT(dark_in(QRect(b->Left() + 4, b->Top() + 4, 28, b->Height() - 8)), 20) << b->Name().toStdString();
}

TEST_F(ShellTest, MainWindowWithAConfigurationAndTheNewVersionLinkRenders)
{
    Start_With_Configuration("Plant_A");
    Main().LL_Update->SetCaption("<a href=\"" + Maker_Download_Url() + "\">" + Lang_Text(19) + "</a>");
    Main().LL_Update->SetVisible(true);
    Main().Show();
    const QImage image = Render_Through_Png(&Main(), Keep(dir, "main_window_open.png"));
    ASSERT_EQ(image.size(), QSize(694, 440));
    // The open configuration's name and the link are drawn where they stand.
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), "Plant_A");
    EXPECT_GT(Dark_In(image, On_Form(Main().L_Name_Conf_L2, &Main())), 20) << "the configuration's name";
    const QRect link = On_Form(Main().LL_Update, &Main());
    int coloured = 0;
    for (int y = link.top(); y <= link.bottom(); ++y)
        for (int x = link.left(); x <= link.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            coloured += c.blue() > c.red() + 60;
        }
    EXPECT_GT(coloured, 20) << "the link's blue text";
}

TEST_F(ShellTest, DialogsRenderForALook)
{
    Start();
    Make_Configuration("Plant_A");
    Make_Configuration("plant_b");
    dir.write("LANGUAGE/English.lng", "");
    dir.write("LANGUAGE/Deutsch.lng", "");
    ASSERT_TRUE(Copy_File(QStringLiteral(VYN_SOURCE_DIR "/src/app/look/pictures/DefaultFlag.bmp"),
                          dir.file("LANGUAGE/DefaultFlag.bmp")));
    const std::pair<TForm*, const char*> dialogs[] = {
        {FNew_Project, "new_configuration.png"},
        {FOpenConf, "open_configuration.png"},
        {FSoftOptions, "software_options.png"},
        {FAbout, "about.png"},
    };
    // Every button shows its caption (dark text inside it).
    auto buttons_drawn = [](const QImage& Image, TForm* Form) {
        int seen = 0;
        for (int i = 0; i < Form->ComponentCount(); ++i) {
            auto* b = dynamic_cast<TLbButton*>(Form->Components(i));
            if (!b || !b->Showing() || b->Caption().isEmpty())
                continue;
            ++seen;
            EXPECT_GT(Dark_In(Image, On_Form(b, Form)), 15) << b->Name().toStdString();
        }
        EXPECT_GT(seen, 0) << Form->Name().toStdString();
    };
    for (const auto& [form, name] : dialogs) {
        SCOPED_TRACE(name);
        form->Show();
        const QImage image = Render_Through_Png(form, Keep(dir, name));
        EXPECT_EQ(image.size(), QSize(form->ClientWidth(), form->ClientHeight()));
        buttons_drawn(image, form);
        form->Hide();
    }
    FSoftOptions->Show();
    FSoftOptions->PC_Options->SetActivePage(FSoftOptions->TS_Con_Options);
    const QImage connection = Render_Through_Png(FSoftOptions, Keep(dir, "software_options_connection.png"));
    buttons_drawn(connection, FSoftOptions);
    // The page's check boxes and their captions are drawn.
    EXPECT_GT(Dark_In(connection, On_Form(FSoftOptions->CB_En_Con, FSoftOptions)), 20);
    FSoftOptions->Hide();
}

// Every button of every window the program creates, as the window has it
// (size, glyph, alignment, layout, font): no caption is cut, neither drawn
// normally nor bold (bsEncarta while pressed), except two hidden entries
// whose bold captions are known to be too long for a step button.
TEST_F(ShellTest, NoButtonCaptionOfAnyWindowIsCut)
{
    Start();
    TBitmap surface(1, 1);
    TCanvas& canvas = surface.Canvas();
    QStringList checked;
    for (int f = 0; f < owner->ComponentCount(); ++f) {
        auto* form = dynamic_cast<TForm*>(owner->Components(f));
        if (!form)
            continue;
        for (int i = 0; i < form->ComponentCount(); ++i) {
            auto* b = dynamic_cast<TLbButton*>(form->Components(i));
            if (!b || b->Caption().isEmpty())
                continue;
            const String name = form->Name() + "." + b->Name();
            SCOPED_TRACE(name.toStdString() + " \"" + b->Caption().toStdString() + "\"");
            checked << name;
            EXPECT_EQ(b->Font().Name(), "Verdana");
            EXPECT_EQ(b->Font().Height(), -11);
            const int glyph_w = b->NumGlyphs() ? b->Glyph().Width() / b->NumGlyphs() : 0;
            auto drawn = [&](const TFont& Font, bool Bold) {
                canvas.Font().Assign(Font);
                if (Bold)
                    canvas.Font().SetStyle(canvas.Font().Style() + TFontStyles{fsBold});
                return LayoutLbButtonCaption(b->Width(), b->Height(), glyph_w, b->Glyph().Height(), 0, b->Style(),
                                             b->Layout(), b->Alignment(), b->WordWrap(), b->Caption(),
                                             CanvasTextMetrics(canvas))
                    .Caption;
            };
            const bool bold_cut_known =
                b->Name() == "Btn_TLS_List_Certificates" || b->Name() == "Btn_OPC_UA_Server_Access";
            for (const TFont* font : {&b->Font(), b->UseHotTrackFont() ? &b->HotTrackFont() : nullptr}) {
                if (!font)
                    continue;
                EXPECT_EQ(drawn(*font, false), b->Caption());
                if (b->Style() == bsEncarta && !bold_cut_known) {
                    EXPECT_EQ(drawn(*font, true), b->Caption());
                }
            }
        }
    }
    // The walk reached every window with buttons, the dialogs of steps 2 and
    // 5 included.
    for (const char* name : {"FTessaraneFirmWare.Btn_New", "FTessaraneFirmWare.Btn_CreateBin", "FNew_Project.Btn_OK",
                             "FOpenConf.Btn_OK", "FSoftOptions.Btn_Check_Update", "FAbout.LbButton1",
                             "FParGen.Btn_OK", "FParGen.Btn_Cancel", "FBoot.Btn_Update", "FBoot.Btn_Cancel"})
        EXPECT_TRUE(checked.contains(QString::fromLatin1(name))) << name << " in " << checked.join(' ').toStdString();
}
