// The image picker: the item and image indexes, filling from an image list
// and from a folder, keys, Enter on a hot item, cancel and painting.
#include <QBuffer>
#include <QDir>
#include <QImage>

#include "dropdown_fixture.h"

#include "controls/dropdown/ImagePickerDropDown.h"
#include "support/temp_dir.h"

using namespace DropDownTestKit;

namespace {

QByteArray pngOf(int W, int H, QColor C)
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(C);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

struct ImagePickerFixture : DropDownFixture {
    TVynImagePickerDropDown* ip = nullptr;
    TImageList* images = nullptr;
    std::vector<std::string> events;

    void SetUp() override
    {
        DropDownFixture::SetUp();
        images = new TImageList(form, 16, 16);
        for (TColor c : {TColor(0x0000C0), TColor(0x00A000), TColor(0xC00000), TColor(0x00C0C0)}) {
            TBitmap b(16, 16);
            b.Canvas().Brush().SetColor(c);
            b.Canvas().FillRect(Rect(0, 0, 16, 16));
            b.Canvas().Pen().SetColor(clBlack);
            b.Canvas().MoveTo(0, 15);
            b.Canvas().LineTo(16, 15);
            images->Add(b);
        }
        ip = new TVynImagePickerDropDown(form);
        ip->SetName("ImagePicker");
        ip->SetBounds(10, 40, 120, 24);
        ip->SetParent(form);
        ip->SetImages(images);
        ip->OnChange = [this](TObject*) { events.push_back("change " + std::to_string(ip->ItemIndex())); };
        ip->OnSelect = [this](TObject*) { events.push_back("select " + std::to_string(ip->ItemIndex())); };
        ip->SetFocus();
    }
    void key(Word VK) { TestKit::TypeKey(nullptr, VK); }
    TVynCustomItemSelector* sel() const { return ip->ItemSelector(); }
};

using ImagePicker = ImagePickerFixture;

TEST_F(ImagePicker, Defaults)
{
    EXPECT_FALSE(ip->EditorEnabled());
    EXPECT_TRUE(ip->DropDownEnabled());
    EXPECT_EQ(ip->ItemIndex(), -1);
    EXPECT_EQ(ip->ImageIndex(), -1);
    EXPECT_EQ(ip->Columns(), 1);
    ASSERT_NE(sel(), nullptr);
    EXPECT_EQ(sel()->SelectorType(), stImage);
    EXPECT_EQ(ip->Control(), sel());
}

TEST_F(ImagePicker, ImageListFillsAndAppends)
{
    ip->AddImagesFromImageList();
    ip->AddImagesFromImageList();
    ASSERT_EQ(ip->Items().Count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ip->Items().Items(i)->ImageIndex(), i % 4);
        EXPECT_EQ(ip->Items().Items(i)->Caption(), "");
    }
    TVynImagePickerDropDown none(form);
    none.AddImagesFromImageList();
    EXPECT_EQ(none.Items().Count(), 0) << "no image list: nothing";
}

TEST_F(ImagePicker, ImageAndItemIndexes)
{
    for (int idx : {2, 5, 7, 5})
        ip->Items().Add()->SetImageIndex(idx);
    ip->SetImageIndex(5);
    EXPECT_EQ(ip->ItemIndex(), 1) << "the first item with image index 5";
    EXPECT_EQ(ip->ImageIndex(), 5);
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "select 1"}));
    events.clear();
    ip->SetItemIndex(1);
    EXPECT_TRUE(events.empty()) << "the same index: nothing";
    ip->SetItemIndex(4);
    ip->SetItemIndex(-2);
    EXPECT_EQ(ip->ItemIndex(), 1) << "out of range: ignored";
    EXPECT_TRUE(events.empty());
    ip->SetImageIndex(9);
    EXPECT_EQ(ip->ItemIndex(), -1);
    EXPECT_EQ(ip->ImageIndex(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"change -1", "select -1"}));
}

TEST_F(ImagePicker, FolderGivesTheReadablePicturesInNameOrder)
{
    TempDir dir;
    dir.write("b.png", pngOf(10, 6, Qt::blue));
    dir.write("A.PNG", pngOf(12, 8, Qt::red));
    dir.write("broken.png", QByteArray("this is no picture"));
    dir.write("notes.txt", QByteArray("text"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.png"));
    dir.write("sub.png/inner.png", pngOf(4, 4, Qt::green));
    ip->AddImagesFromFolder(dir.path() + "/*.png", true);
    ASSERT_EQ(ip->Items().Count(), 2) << "no item for the directory or the broken file";
    EXPECT_EQ(ip->Items().Items(0)->Caption(), "A.PNG") << "the mask ignores case; name order";
    EXPECT_EQ(ip->Items().Items(0)->Image().Width(), 12);
    EXPECT_EQ(ip->Items().Items(1)->Caption(), "b.png");
    EXPECT_EQ(ip->Items().Items(1)->Image().Height(), 6);
    ip->AddImagesFromFolder(dir.path() + "/?.png", false);
    ASSERT_EQ(ip->Items().Count(), 4) << "appended";
    EXPECT_EQ(ip->Items().Items(2)->Caption(), "") << "no caption asked for";
    ip->AddImagesFromFolder(dir.path() + "/*.gif", true);
    ip->AddImagesFromFolder(dir.path() + "/missing/*.png", true);
    EXPECT_EQ(ip->Items().Count(), 4) << "nothing matches: nothing added";
}

TEST_F(ImagePicker, EnterOnAHotItemSelectsAndCloses)
{
    ip->AddImagesFromImageList();
    ip->ShowDropDown();
    ASSERT_TRUE(ip->DroppedDown());
    TRect r;
    sel()->SelectorPanel()->GetItemRect(2, r);
    TestKit::MouseMove(sel()->SelectorPanel(), r.Left + 3, r.Top + 3);
    ASSERT_EQ(sel()->ItemHot(), 2);
    key(VK_RETURN);
    EXPECT_FALSE(ip->DroppedDown());
    EXPECT_EQ(ip->ItemIndex(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"change 2", "select 2"})) << "no extra OnSelect";
    events.clear();
    key(VK_RETURN);
    EXPECT_EQ(events, (std::vector<std::string>{"select 2"})) << "Enter without a hot item";
}

TEST_F(ImagePicker, KeysAndCancel)
{
    ip->AddImagesFromImageList();
    ip->AddImagesFromImageList();
    ip->SetColumns(2);
    // Closed: Down and Up step, Esc changes nothing.
    key(VK_DOWN);
    key(VK_DOWN);
    EXPECT_EQ(ip->ItemIndex(), 1);
    events.clear();
    key(VK_ESCAPE);
    EXPECT_EQ(ip->ItemIndex(), 1);
    EXPECT_TRUE(events.empty()) << "Esc on the closed picker changes nothing";
    // Open: Down moves a row of two columns; Esc puts back the opening's.
    ip->ShowDropDown();
    ASSERT_TRUE(ip->DroppedDown());
    key(VK_DOWN);
    EXPECT_EQ(ip->ItemIndex(), 3);
    key(VK_RIGHT);
    EXPECT_EQ(ip->ItemIndex(), 4);
    EXPECT_TRUE(ip->DroppedDown());
    key(VK_ESCAPE);
    EXPECT_FALSE(ip->DroppedDown());
    EXPECT_EQ(ip->ItemIndex(), 1);
    // The wheel on the closed picker selects.
    TestKit::Wheel(ip, 10, 10, -120);
    EXPECT_EQ(ip->ItemIndex(), 2);
}

TEST_F(ImagePicker, EditDrawsThePictureBeforeTheImageIndex)
{
    TImageItem* item = ip->Items().Add();
    item->SetImageIndex(1);  // green
    ip->SetItemIndex(0);
    form->SetActiveControl(sink);
    QImage img = TestKit::RenderToImage(ip);
    const TRect R = ip->EditRect();
    const int cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
    EXPECT_EQ(Hex(PixelAt(img, cx, cy)), Hex(0x00A000)) << "the list's image, centred";
    TBitmap red(10, 10);
    red.Canvas().Brush().SetColor(0x0000FF);
    red.Canvas().FillRect(Rect(0, 0, 10, 10));
    item->Image().SetGraphic(&red);
    ip->Invalidate();
    img = TestKit::RenderToImage(ip);
    EXPECT_EQ(Hex(PixelAt(img, cx, cy)), Hex(0x0000FF)) << "the picture takes precedence";
    EXPECT_EQ(Hex(PixelAt(img, R.Left + (R.Width() - 10) / 2 - 1, cy)), Hex(PixelAt(img, R.Left + 2, cy)))
        << "nothing left of the centred picture";
}

TEST_F(ImagePicker, RendersThePopup)
{
    ip->AddImagesFromImageList();
    for (int i = 0; i < ip->Items().Count(); ++i)
        ip->Items().Items(i)->SetCaption(QStringLiteral("Picture %1").arg(i + 1));
    ip->SetColumns(2);
    ip->SetItemIndex(1);
    ip->ShowDropDown();
    ASSERT_TRUE(ip->DroppedDown());
    const QImage img = TestKit::RenderToImage(ip->DropDownForm());
    TempDir dir;
    const char* keep = std::getenv("VYN_RENDER_DIR");
    const String base = keep && *keep ? String::fromLocal8Bit(keep) : dir.path();
    ASSERT_TRUE(img.save(base + "/image-popup.png"));
    TRect r;
    sel()->SelectorPanel()->GetItemRect(3, r);
    const TPoint o = ip->DropDownForm()->ScreenToClient(sel()->SelectorPanel()->ClientToScreen(TPoint{0, 0}));
    EXPECT_EQ(Hex(PixelAt(img, o.X + r.Left + 4 + 8, o.Y + r.Top + r.Height() / 2)), Hex(0x00C0C0))
        << "the fourth image in the second row, second column";
}

}  // namespace
