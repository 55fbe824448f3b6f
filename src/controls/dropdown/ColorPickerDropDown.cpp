// TVynColorPickerDropDown: colours, the four popup styles, keys, the wheel
// and the edit's colour box; the web colour names.
#include "controls/dropdown/ColorPickerDropDown.h"

#include <algorithm>

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"

// ---- web colour names --------------------------------------------------------------------------------

namespace {

// The CSS extended colour keywords in CamelCase, RGB written red first.
struct TWebColor {
    const char* Name;
    uint32_t Rgb;
};
constexpr TWebColor WebColors[] = {
    {"AliceBlue", 0xF0F8FF}, {"AntiqueWhite", 0xFAEBD7}, {"Aqua", 0x00FFFF}, {"Aquamarine", 0x7FFFD4},
    {"Azure", 0xF0FFFF}, {"Beige", 0xF5F5DC}, {"Bisque", 0xFFE4C4}, {"Black", 0x000000},
    {"BlanchedAlmond", 0xFFEBCD}, {"Blue", 0x0000FF}, {"BlueViolet", 0x8A2BE2}, {"Brown", 0xA52A2A},
    {"BurlyWood", 0xDEB887}, {"CadetBlue", 0x5F9EA0}, {"Chartreuse", 0x7FFF00}, {"Chocolate", 0xD2691E},
    {"Coral", 0xFF7F50}, {"CornflowerBlue", 0x6495ED}, {"Cornsilk", 0xFFF8DC}, {"Crimson", 0xDC143C},
    {"Cyan", 0x00FFFF}, {"DarkBlue", 0x00008B}, {"DarkCyan", 0x008B8B}, {"DarkGoldenrod", 0xB8860B},
    {"DarkGray", 0xA9A9A9}, {"DarkGreen", 0x006400}, {"DarkGrey", 0xA9A9A9}, {"DarkKhaki", 0xBDB76B},
    {"DarkMagenta", 0x8B008B}, {"DarkOliveGreen", 0x556B2F}, {"DarkOrange", 0xFF8C00}, {"DarkOrchid", 0x9932CC},
    {"DarkRed", 0x8B0000}, {"DarkSalmon", 0xE9967A}, {"DarkSeaGreen", 0x8FBC8F}, {"DarkSlateBlue", 0x483D8B},
    {"DarkSlateGray", 0x2F4F4F}, {"DarkSlateGrey", 0x2F4F4F}, {"DarkTurquoise", 0x00CED1},
    {"DarkViolet", 0x9400D3}, {"DeepPink", 0xFF1493}, {"DeepSkyBlue", 0x00BFFF}, {"DimGray", 0x696969},
    {"DimGrey", 0x696969}, {"DodgerBlue", 0x1E90FF}, {"FireBrick", 0xB22222}, {"FloralWhite", 0xFFFAF0},
    {"ForestGreen", 0x228B22}, {"Fuchsia", 0xFF00FF}, {"Gainsboro", 0xDCDCDC}, {"GhostWhite", 0xF8F8FF},
    {"Gold", 0xFFD700}, {"Goldenrod", 0xDAA520}, {"Gray", 0x808080}, {"Green", 0x008000},
    {"GreenYellow", 0xADFF2F}, {"Grey", 0x808080}, {"Honeydew", 0xF0FFF0}, {"HotPink", 0xFF69B4},
    {"IndianRed", 0xCD5C5C}, {"Indigo", 0x4B0082}, {"Ivory", 0xFFFFF0}, {"Khaki", 0xF0E68C},
    {"Lavender", 0xE6E6FA}, {"LavenderBlush", 0xFFF0F5}, {"LawnGreen", 0x7CFC00}, {"LemonChiffon", 0xFFFACD},
    {"LightBlue", 0xADD8E6}, {"LightCoral", 0xF08080}, {"LightCyan", 0xE0FFFF},
    {"LightGoldenrodYellow", 0xFAFAD2}, {"LightGray", 0xD3D3D3}, {"LightGreen", 0x90EE90},
    {"LightGrey", 0xD3D3D3}, {"LightPink", 0xFFB6C1}, {"LightSalmon", 0xFFA07A}, {"LightSeaGreen", 0x20B2AA},
    {"LightSkyBlue", 0x87CEFA}, {"LightSlateGray", 0x778899}, {"LightSlateGrey", 0x778899},
    {"LightSteelBlue", 0xB0C4DE}, {"LightYellow", 0xFFFFE0}, {"Lime", 0x00FF00}, {"LimeGreen", 0x32CD32},
    {"Linen", 0xFAF0E6}, {"Magenta", 0xFF00FF}, {"Maroon", 0x800000}, {"MediumAquamarine", 0x66CDAA},
    {"MediumBlue", 0x0000CD}, {"MediumOrchid", 0xBA55D3}, {"MediumPurple", 0x9370DB},
    {"MediumSeaGreen", 0x3CB371}, {"MediumSlateBlue", 0x7B68EE}, {"MediumSpringGreen", 0x00FA9A},
    {"MediumTurquoise", 0x48D1CC}, {"MediumVioletRed", 0xC71585}, {"MidnightBlue", 0x191970},
    {"MintCream", 0xF5FFFA}, {"MistyRose", 0xFFE4E1}, {"Moccasin", 0xFFE4B5}, {"NavajoWhite", 0xFFDEAD},
    {"Navy", 0x000080}, {"OldLace", 0xFDF5E6}, {"Olive", 0x808000}, {"OliveDrab", 0x6B8E23},
    {"Orange", 0xFFA500}, {"OrangeRed", 0xFF4500}, {"Orchid", 0xDA70D6}, {"PaleGoldenrod", 0xEEE8AA},
    {"PaleGreen", 0x98FB98}, {"PaleTurquoise", 0xAFEEEE}, {"PaleVioletRed", 0xDB7093},
    {"PapayaWhip", 0xFFEFD5}, {"PeachPuff", 0xFFDAB9}, {"Peru", 0xCD853F}, {"Pink", 0xFFC0CB},
    {"Plum", 0xDDA0DD}, {"PowderBlue", 0xB0E0E6}, {"Purple", 0x800080}, {"Red", 0xFF0000},
    {"RosyBrown", 0xBC8F8F}, {"RoyalBlue", 0x4169E1}, {"SaddleBrown", 0x8B4513}, {"Salmon", 0xFA8072},
    {"SandyBrown", 0xF4A460}, {"SeaGreen", 0x2E8B57}, {"Seashell", 0xFFF5EE}, {"Sienna", 0xA0522D},
    {"Silver", 0xC0C0C0}, {"SkyBlue", 0x87CEEB}, {"SlateBlue", 0x6A5ACD}, {"SlateGray", 0x708090},
    {"SlateGrey", 0x708090}, {"Snow", 0xFFFAFA}, {"SpringGreen", 0x00FF7F}, {"SteelBlue", 0x4682B4},
    {"Tan", 0xD2B48C}, {"Teal", 0x008080}, {"Thistle", 0xD8BFD8}, {"Tomato", 0xFF6347},
    {"Turquoise", 0x40E0D0}, {"Violet", 0xEE82EE}, {"Wheat", 0xF5DEB3}, {"White", 0xFFFFFF},
    {"WhiteSmoke", 0xF5F5F5}, {"Yellow", 0xFFFF00}, {"YellowGreen", 0x9ACD32}};

String hex2(int V) { return QStringLiteral("%1").arg(V, 2, 16, QLatin1Char('0')).toUpper(); }

}  // namespace

String ColorToWebColorName(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    const uint32_t rgb = uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | uint32_t(GetBValue(c));
    for (const TWebColor& w : WebColors)
        if (w.Rgb == rgb)
            return QStringLiteral("clWeb") + QLatin1String(w.Name);
    return QStringLiteral("#") + hex2(GetRValue(c)) + hex2(GetGValue(c)) + hex2(GetBValue(c));
}

// ---- colours -----------------------------------------------------------------------------------------

void TColorItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TColorItem*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->Caption());
    SetColor(s->Color());
    fEnabled_ = s->fEnabled_;
    fHint_ = s->fHint_;
}

// ---- creation ----------------------------------------------------------------------------------------

TVynColorPickerDropDown::TVynColorPickerDropDown(TComponent* AOwner)
    : TVynSelectorPicker(AOwner),
      fColors_(std::make_unique<TColorItems>(this)),
      fItemAppearance_(std::make_unique<TItemAppearance>(this)),
      fTypeAhead_(this, false)
{
    // Only a picker placed in a form designer starts with colours.
    fDesignTime_ = AOwner && AOwner->ComponentState().Contains(TComponentStateItem::csDesigning) &&
                   !AOwner->ComponentState().Contains(TComponentStateItem::csReading) &&
                   !AOwner->ComponentState().Contains(TComponentStateItem::csLoading);
    fColors_->OnChange = [](TObject*) {};
    InitDropDown();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetCursor(crArrow);
}

TVynColorPickerDropDown::~TVynColorPickerDropDown() { fColors_->OnChange = nullptr; }

void TVynColorPickerDropDown::CreateWnd()
{
    TVynCustomDropDown::CreateWnd();
    if (fDesignTime_ && fColors_->Count() == 0) {
        fDesignTime_ = false;
        AddDefaultColors();
    }
}

void TVynColorPickerDropDown::AddDefaultColors()
{
    static constexpr struct {
        const char* Caption;
        TColor Color;
    } colours[] = {{"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
                   {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},    {"Gray", 0x808080},
                   {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
                   {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF}};
    fColors_->BeginUpdate();
    for (const auto& c : colours) {
        TColorItem* item = fColors_->Add();
        item->SetCaption(QLatin1String(c.Caption));
        item->SetColor(c.Color);
    }
    fColors_->EndUpdate();
}

void TVynColorPickerDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    CreateItemSelector();
}

void TVynColorPickerDropDown::CreateItemSelector() { fItemSelector_ = HostSelector(*this, fItemSelector_, stColor); }

// ---- values ------------------------------------------------------------------------------------------

void TVynColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= fColors_->Count())
        return;
    fItemIndex_ = Value;
    if (Value >= 0)
        fSelectedColor_ = fColors_->Items(Value)->Color();
    Invalidate();
    if (OnSelect)
        OnSelect(this);
}

void TVynColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == fSelectedColor_)
        return;
    fSelectedColor_ = Value;
    TWeakRef<TVynColorPickerDropDown> self(this);
    int found = -1;
    for (int i = 0; i < fColors_->Count() && found < 0; ++i)
        if (fColors_->Items(i)->Color() == Value)
            found = i;
    // A colour no item has leaves no item chosen, so the text names it.
    if (found >= 0)
        SetItemIndex(found);
    else if (fItemIndex_ != -1)
        SetItemIndex(-1);
    if (self)
        Invalidate();
}

void TVynColorPickerDropDown::SetShowText(bool Value)
{
    if (Value == fShowText_)
        return;
    fShowText_ = Value;
    Invalidate();
}

String TVynColorPickerDropDown::SelectedColorText() const
{
    if (fColorSelectionStyle_ == csList && fItemIndex_ >= 0)
        return fColors_->Items(fItemIndex_)->Caption();
    if (fSelectedColor_ == clNone)
        return String();
    const TColor rgb = ColorToRGB(fSelectedColor_);
    switch (fColorValueText_) {
    case cvtHex: return QStringLiteral("%1").arg(uint32_t(fSelectedColor_), 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName: return ColorToWebColorName(rgb);
    case cvtRGB:
        return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(GetRValue(rgb)).arg(GetGValue(rgb)).arg(GetBValue(rgb));
    case cvtHTML: return QStringLiteral("#") + hex2(GetRValue(rgb)) + hex2(GetGValue(rgb)) + hex2(GetBValue(rgb));
    case cvtNone: break;
    }
    return String();
}

// ---- the popup ---------------------------------------------------------------------------------------

TWinControl* TVynColorPickerDropDown::StyleControl() const
{
    switch (fColorSelectionStyle_) {
    case csList: return fItemSelector_;
    case csDiscrete: return fColorSelector_;
    case csColorCube: return fColorCubePanel_;
    case csSpectrum: return fSpectrumPanel_;
    }
    return nullptr;
}

void TVynColorPickerDropDown::HideOthers(TControl* Keep)
{
    for (TControl* c : std::initializer_list<TControl*>{fItemSelector_, fColorCubePanel_, fSpectrumPanel_,
                                                        fColorSelector_})
        if (c && c != Keep)
            c->SetVisible(false);
}

void TVynColorPickerDropDown::SetUpSelector()
{
    if (!fItemSelector_)
        return;
    TVynCustomItemSelector& s = *fItemSelector_;
    s.OnItemSelect = nullptr;
    s.SetColumns(fColumns_);
    s.SetImages(Images());
    s.SetItemLayout(fLayout_);
    s.SetColor(DropDownColor());
    s.Items().BeginUpdate();
    s.Items().Clear();
    for (int i = 0; i < fColors_->Count(); ++i) {
        const TColorItem& c = *fColors_->Items(i);
        TSelectorItem* item = s.Items().Add();
        item->SetCaption(c.Caption());
        item->SetColor(c.Color());
        item->SetHint(c.Hint());
    }
    s.Items().EndUpdate();
    s.SetColorBoxHeight(fColorBoxHeight_);
    s.SetColorBoxWidth(fColorBoxWidth_);
    s.SetItemAppearance(*fItemAppearance_);
    s.UpdateSelectorPanel();
    s.SetItemIndex(fItemIndex_);
    s.OnItemSelect = [this](TObject*) { TakeSelectorPick([this](int i) { SetItemIndex(i); }); };
    s.SetShowHint(ShowHint());
}

void TVynColorPickerDropDown::PrepareStyle(TColorSelectionStyle Style)
{
    TDropDownForm* form = DropDownForm();
    if (!form)
        return;
    // Hosted at its own size (the sizing aligns it to the popup again).
    auto host = [&](TWinControl* C) {
        SetControl(C);
        C->SetAlign(alNone);
        C->SetColor(DropDownColor());
        HideOthers(C);
    };
    switch (Style) {
    case csList:
        CreateItemSelector();
        HideOthers(fItemSelector_);
        fItemSelector_->SetVisible(true);
        SetUpSelector();
        if (OnDrawColor)
            fItemSelector_->OnDrawItem = [this](TObject*, TCanvas& Canvas, const TRect& R, int Index) {
                OnDrawColor(this, Canvas, R, Index);
            };
        else
            fItemSelector_->OnDrawItem = nullptr;
        break;
    case csDiscrete:
        if (!fColorSelector_) {
            fColorSelector_ = new TCustomColorSelector(this);
            fColorSelector_->SetParent(form);
            fColorSelector_->LoadDefaultPalette();
        }
        fColorSelector_->OnItemSelect = nullptr;
        host(fColorSelector_);
        fColorSelector_->SetBounds(0, 0, fColorSelector_->Width(), fColorSelector_->Height());
        fColorSelector_->SetSelectedColor(fSelectedColor_);
        fColorSelector_->UpdateLayout();
        fColorSelector_->OnItemSelect = [this](TObject*) { PaletteSelect(); };
        fColorSelector_->SetItemColorStyle(SelectionColorStyle());
        fColorSelector_->SetVisible(true);
        break;
    case csColorCube:
        if (!fColorCubePanel_) {
            fColorCubePanel_ = new TVynColorCubePanel(this);
            fColorCubePanel_->SetParent(form);
        }
        fColorCubePanel_->OnSelect = nullptr;
        host(fColorCubePanel_);
        fColorCubePanel_->SetSelectedColor(fSelectedColor_);
        fColorCubePanel_->InitCube();
        fColorCubePanel_->SetHotIndex(-1);
        fColorCubePanel_->SetBounds(0, 0, 182, 160);
        fColorCubePanel_->OnSelect = [this](TObject*) { PanelSelect(fColorCubePanel_->SelectedColor()); };
        fColorCubePanel_->SetVisible(true);
        break;
    case csSpectrum:
        if (!fSpectrumPanel_) {
            fSpectrumPanel_ = new TVynColorSpectrumPanel(this);
            fSpectrumPanel_->SetParent(form);
        }
        fSpectrumPanel_->OnSelect = nullptr;
        host(fSpectrumPanel_);
        fSpectrumPanel_->SetSelectedColor(fSelectedColor_);
        fSpectrumPanel_->SetBounds(0, 0, 150, 174);
        fSpectrumPanel_->UpdateLayout();
        fSpectrumPanel_->OnSelect = [this](TObject*) { PanelSelect(fSpectrumPanel_->SelectedColor()); };
        fSpectrumPanel_->SetVisible(true);
        break;
    }
}

void TVynColorPickerDropDown::DoBeforeDropDown()
{
    TWeakRef<TVynColorPickerDropDown> self(this);
    TVynCustomDropDown::DoBeforeDropDown();
    if (!self)
        return;
    PrepareStyle(fColorSelectionStyle_);
    fOldItemIndex_ = fItemIndex_;
    fOldSelectedColor_ = fSelectedColor_;
}

void TVynColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    if (Value == fColorSelectionStyle_)
        return;
    fColorSelectionStyle_ = Value;
    if (ComponentState().Contains(TComponentStateItem::csDesigning))
        return;
    PrepareStyle(Value);
    fOldSelectedColor_ = fSelectedColor_;
    UpdateDropDownSize();
    if (TWinControl* c = StyleControl())
        c->SetAlign(alClient);
    if (DropDownForm())
        DropDownForm()->Invalidate();
}

void TVynColorPickerDropDown::UpdateDropDownSize()
{
    TDropDownForm* form = DropDownForm();
    if (!form)
        return;
    if (fColorSelectionStyle_ == csList) {
        if (!fItemSelector_) {
            TVynCustomDropDown::UpdateDropDownSize();
            return;
        }
        PrepareSelectorPopupSize(*this, *fItemSelector_);
        TVynCustomDropDown::UpdateDropDownSize();
        WidenForScrollBar(*this, *fItemSelector_);
        return;
    }
    // The fixed-size panels: the popup fits the hosted control.
    TWinControl* c = StyleControl();
    const bool shown = c && c->Visible();
    if (c)
        c->SetAlign(alNone);
    const int b = DropDownBorderWidth();
    const int w = (shown ? c->Width() : Width()) + 2 * b;
    int h = 2 * b + (shown ? c->Height() : 0);
    if (DropDownHeader().Visible())
        h += DropDownHeader().Height();
    if (DropDownFooter().Visible())
        h += DropDownFooter().Height();
    form->SetBounds(form->Left(), form->Top(), w, h);
    ResetUserDropDownSize();
}

void TVynColorPickerDropDown::PlaceDropDownControl()
{
    TVynCustomDropDown::PlaceDropDownControl();
    if (fColorSelectionStyle_ != csList && DropDownForm())
        DropDownForm()->SetSizeable(false);
}

void TVynColorPickerDropDown::DoHideDropDown(bool Cancel)
{
    // Only a popup that was open is restored: Esc on the closed picker
    // changes nothing.
    const bool wasOpen = DroppedDown();
    TWeakRef<TVynColorPickerDropDown> self(this);
    TVynCustomDropDown::DoHideDropDown(Cancel);
    if (!self || !Cancel || !wasOpen)
        return;
    if (fColorSelectionStyle_ == csList)
        SetItemIndex(fOldItemIndex_);
    else if (fColorSelectionStyle_ == csDiscrete && fColorSelector_)
        fColorSelector_->SetSelectedColor(fOldSelectedColor_);
}

void TVynColorPickerDropDown::DoDropDownDestroy()
{
    // The hosted controls go with the popup; they are made again when
    // needed.
    fItemSelector_ = nullptr;
    fColorCubePanel_ = nullptr;
    fSpectrumPanel_ = nullptr;
    fColorSelector_ = nullptr;
}

void TVynColorPickerDropDown::PaletteSelect()
{
    if (!fColorSelector_)
        return;
    TWeakRef<TVynColorPickerDropDown> self(this);
    SetSelectedColor(fColorSelector_->SelectedColor());
    if (self)
        SetItemIndex(-1);
    if (self && !fInternalCall_)
        ClosePopupAfterPick(*this);
}

void TVynColorPickerDropDown::PanelSelect(TColor Color)
{
    TWeakRef<TVynColorPickerDropDown> self(this);
    SetSelectedColor(Color);
    if (self)
        SetItemIndex(-1);
    if (self)
        ClosePopupAfterPick(*this);
}

void TVynColorPickerDropDown::SetComponentStyle(TVynStyle AStyle)
{
    TVynCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(fItemAppearance_.get(), AStyle);
}

// ---- keys and the wheel ------------------------------------------------------------------------------

TSelectorListKeys TVynColorPickerDropDown::ListKeys()
{
    TSelectorListKeys k;
    k.Selector = fItemSelector_;
    k.Open = DroppedDown();
    k.EditorEnabled = EditorEnabled();
    k.Columns = std::max(1, fColumns_);
    k.Count = fColors_->Count();
    k.Refresh = [this] { SetUpSelector(); };
    k.Internal = [this](const std::function<void()>& Call) { Internal(Call); };
    k.Current = fItemIndex_;
    k.SetIndex = [this](int I) { SetItemIndex(I); };
    k.TypeAhead = &fTypeAhead_;
    return k;
}

void TVynColorPickerDropDown::WMKeyDown(TMessage& Message)
{
    TWeakRef<TVynColorPickerDropDown> self(this);
    const Word key = Message.CharCode();
    bool taken = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN) {
        if (fColorSelectionStyle_ == csList && fItemSelector_ && fItemSelector_->ItemHot() >= 0) {
            fItemSelector_->SetItemIndex(fItemSelector_->ItemHot());
            taken = true;
        } else if (fColorSelectionStyle_ == csDiscrete && fColorSelector_ && fColorSelector_->ItemHot() >= 0) {
            fColorSelector_->SetItemIndex(fColorSelector_->ItemHot());
            taken = true;
        }
    }
    if (!self)
        return;
    TVynCustomDropDown::WMKeyDown(Message);
    if (!self || !Enabled() || GetKeyState(VK_MENU) < 0)
        return;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (fColorSelectionStyle_ == csList && fItemSelector_) {
        if (key == VK_RETURN) {
            if (!taken && OnSelect)
                OnSelect(this);
            return;
        }
        ListKeys().KeyDown(key, ctrl);
    } else if (fColorSelectionStyle_ == csDiscrete && fColorSelector_) {
        if (!DroppedDown())
            SyncPalette();
        Internal([&] { fColorSelector_->HandleKey(key, EditorEnabled(), DroppedDown()); });
        if (self && key == VK_RETURN && !taken && OnSelect)
            OnSelect(this);
    }
}

void TVynColorPickerDropDown::WheelStep(bool Down)
{
    if (!Enabled() || ReadOnly())
        return;
    const bool open = DroppedDown();
    if (fColorSelectionStyle_ == csList && fItemSelector_)
        ListKeys().Wheel(Down);
    else if (fColorSelectionStyle_ == csDiscrete && fColorSelector_) {
        if (open) {
            Down ? fColorSelector_->HotNext() : fColorSelector_->HotPrevious();
        } else {
            SyncPalette();
            Internal([&] { Down ? fColorSelector_->SelectNext() : fColorSelector_->SelectPrevious(); });
        }
    }
}

void TVynColorPickerDropDown::SyncPalette()
{
    // The closed palette steps from the picker's colour, not from the box
    // of its last opening.
    TNotifyEvent handler = std::move(fColorSelector_->OnItemSelect);
    fColorSelector_->OnItemSelect = nullptr;
    fColorSelector_->SetSelectedColor(fSelectedColor_);
    fColorSelector_->OnItemSelect = std::move(handler);
}

void TVynColorPickerDropDown::HandleMouseWheelDown() { WheelStep(true); }
void TVynColorPickerDropDown::HandleMouseWheelUp() { WheelStep(false); }

// ---- the edit ----------------------------------------------------------------------------------------

void TVynColorPickerDropDown::DrawFocusedText(TCanvas& Canvas)
{
    TVynCustomDropDown::DrawFocusedText(Canvas);
    DrawSelectedColor(Canvas);
}

void TVynColorPickerDropDown::DrawSelectedColor(TCanvas& Canvas)
{
    const int bw = Button() ? Button()->Width() : 0;
    const TRect R = Rect(1, 1, Width() - bw - 2, Height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, Canvas, R);
        return;
    }
    const int boxLeft = R.Left + 4, boxTop = (Height() - fColorBoxHeight_) / 2 + R.Top;
    if (fSelectedColor_ != clNone) {
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetColor(clBlack);
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(fSelectedColor_);
        Canvas.Rectangle(boxLeft, boxTop, boxLeft + fColorBoxWidth_, boxTop + fColorBoxHeight_);
    }
    if (!fShowText_)
        return;
    Canvas.SetFont(Font());
    const bool focused = Focused();
    if (!EditorEnabled() && focused)
        Canvas.Font().SetColor(clHighlightText);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(focused ? clHighlight : Color());
    TRect t = Rect(boxLeft + fColorBoxWidth_ + 4, R.Top, R.Right, R.Bottom);
    Canvas.DrawText(t, SelectedColorText(), DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
