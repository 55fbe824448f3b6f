// Pictures of open editors: the calculator drop-down with its pad, an HTML
// cell with its EDIT control in edit, and the edit link's popup.
// VYN_RENDER_DIR=<dir> keeps the PNGs; on a real display (QT_QPA_PLATFORM=xcb,
// e.g. under xvfb-run -a) the screen's pixels are kept too.
#include "edit_fixture.h"
#include "picture_kit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "grid/core/grid_types.h"
#include "grid/edit/grid_dropdown_editors.h"
#include "grid/edit/grid_edit_link.h"
#include "grid/edit/grid_special_editors.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/popupform.h"

namespace {

// The form's picture with a popup window drawn where it shows.
QImage FormWithPopup(TForm& Form, TWinControl* Popup)
{
    QImage shot = TestKit::RenderToImage(&Form);
    if (!Popup || !Popup->Visible())
        return shot;
    const TPoint formAt = Form.ClientToScreen(TPoint(0, 0));
    const TPoint popAt = Popup->ClientToScreen(TPoint(0, 0));
    const QPoint at(popAt.X - formAt.X, popAt.Y - formAt.Y);
    const QImage pop = TestKit::RenderToImage(Popup);
    QImage big(std::max(shot.width(), at.x() + pop.width()), std::max(shot.height(), at.y() + pop.height()),
               QImage::Format_ARGB32);
    big.fill(Qt::white);
    QPainter p(&big);
    p.drawImage(0, 0, shot);
    p.drawImage(at, pop);
    p.end();
    return big;
}

void KeepScreen(TForm& Form, const QImage& Shot, const char* Name)
{
    if (QGuiApplication::platformName() == "offscreen")
        return;
    const TPoint at = Form.ClientToScreen(TPoint(0, 0));
    Keep(QGuiApplication::primaryScreen()->grabWindow(0, at.X, at.Y, Shot.width(), Shot.height()).toImage(), Name);
}

class TPictureLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TMemo* Memo = nullptr;
    void CreateEditor(TWinControl* AParent) override
    {
        if (!Memo)
            Memo = new TMemo(AParent);
        Memo->SetParent(AParent);
    }
    TWinControl* GetEditControl() override { return Memo; }
    String GetEditorValue() override { return Memo ? Memo->Text() : String(); }
    void SetEditorValue(const String& Value) override
    {
        if (Memo)
            Memo->SetText(Value);
    }
};

}  // namespace

TEST_F(EditTest, PictureOfAnOpenCalculatorDropDown)
{
    form.SetCaption("Calculator editor");
    grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
        if (C == 2)
            E = TEditorType::edCalculatorDropDown;
    };
    grid->SetColWidths(2, 120);
    grid->SetCells(2, 1, "12.5");
    grid->FocusCell(2, 1, true);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    TVynCustomDropDown* calc = grid->DropDownEditor(TEditorType::edCalculatorDropDown, false);
    ASSERT_TRUE(calc && calc->Visible());
    calc->ShowDropDown();
    Settle(500);
    ASSERT_TRUE(calc->DroppedDown());
    const QImage shot = FormWithPopup(form, calc->DropDownForm());
    Keep(shot, "grid_calculator_dropdown_open.png");
    KeepScreen(form, shot, "grid_calculator_dropdown_open_screen.png");
    calc->HideDropDown(true);
    Key(VK_ESCAPE);
}

TEST_F(EditTest, PictureOfAnHtmlCellWithItsEditControlInEdit)
{
    form.SetCaption("HTML control editor");
    grid->SetColWidths(2, 300);
    grid->SetRowHeights(1, 34);
    grid->SetCells(2, 1,
                   "<B>Address:</B> <CONTROL ID=\"a\" VALUE=\"10.0.0.7\" WIDTH=\"90\" TYPE=\"EDIT\" MAXLEN=\"15\">"
                   " <I>port</I> <CONTROL ID=\"p\" VALUE=\"502\" WIDTH=\"50\" TYPE=\"EDIT\" MAXLEN=\"5\">");
    grid->FocusCell(2, 1, true);
    grid->EditNextCellControl(2, 1, "");
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(grid->ControlEditor()->Visible());
    Key(VK_END);
    Type("1");
    Settle(300);
    const QImage shot = TestKit::RenderToImage(&form);
    Keep(shot, "grid_html_edit_control.png");
    KeepScreen(form, shot, "grid_html_edit_control_screen.png");
    Key(VK_RETURN);
}

TEST_F(EditTest, PictureOfTheEditLinkPopup)
{
    form.SetCaption("Edit link popup");
    auto* link = new TPictureLink(&form);
    link->SetEditStyle(esPopup);
    link->SetPopupWidth(200);
    link->SetPopupHeight(80);
    grid->SetEditLink(link);
    grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
        if (C == 2)
            E = TEditorType::edCustom;
    };
    grid->SetCells(2, 1, "first line\r\nsecond line");
    grid->FocusCell(2, 1, true);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    Settle(500);
    auto* popup = dynamic_cast<TPopupForm*>(Application.FindComponent("gridform"));
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->Visible());
    const QImage shot = FormWithPopup(form, popup);
    Keep(shot, "grid_edit_link_popup.png");
    KeepScreen(form, shot, "grid_edit_link_popup_screen.png");
    popup->SetVisible(false);
    grid->SetEditLink(nullptr);
    delete popup;
}
