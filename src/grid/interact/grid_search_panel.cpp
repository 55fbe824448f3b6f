// The search bar below the cells and the grid's footer settings that shape it.
#include "controls/dropdown/DropDownDraw.h"
#include "grid/core/grid_controls.h"
#include "grid/core/grid_draw.h"
#include "grid/core/grid_options.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/input_state.h"

// ---- the edit ------------------------------------------------------------------------------------

void TRetEdit::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN) {
        TWeakRef<TRetEdit> self(this);
        if (GetKeyState(VK_CONTROL) < 0) {
            if (OnCtrlReturn)
                OnCtrlReturn(this);
        } else if (OnReturn) {
            OnReturn(this);
        }
        if (self)
            Message.Result = 0;
        return;
    }
    if (Message.Msg == WM_CHAR && (Message.WParam == '\r' || Message.WParam == '\n')) {
        QChar key(char16_t(Message.WParam));
        if (OnKeyPress)
            OnKeyPress(this, key);
        Message.Result = 0;
        return;
    }
    TEdit::WndProc(Message);
}

// ---- the panel -----------------------------------------------------------------------------------

namespace {

TVynGridButton* makeButton(TSearchPanel* Owner, const char* Glyph, const char* DisabledGlyph)
{
    auto* b = new TVynGridButton(Owner);
    TBitmap bmp;
    if (LoadResourceBitmap(QString::fromLatin1(Glyph), bmp))
        b->SetGlyph(&bmp);
    if (DisabledGlyph && LoadResourceBitmap(QString::fromLatin1(DisabledGlyph), bmp))
        b->SetGlyphDisabled(&bmp);
    b->SetParentFont(true);
    return b;
}

}  // namespace

// What the grid's search actions read of the bar and set on it.
class TSearchPanelLink : public TVynStringGrid::TSearchBarLink {
public:
    explicit TSearchPanelLink(TSearchPanel& Panel) : FPanel(Panel) {}
    String SearchText() const override { return FPanel.Edit()->Text(); }
    bool HighlightDown() const override { return FPanel.HiliteButton()->Down(); }
    bool MatchCaseChecked() const override { return FPanel.MatchCase()->Checked(); }
    void SetEditColor(TColor Color) override
    {
        FPanel.Edit()->SetColor(Color);
        FPanel.Edit()->Repaint();
    }
    void RepaintBar() override { FPanel.Repaint(); }

private:
    TSearchPanel& FPanel;
};

TSearchPanel::TSearchPanel(TComponent* AOwner, TVynStringGrid* AGrid)
    : TPanel(AOwner), FGrid(AGrid), FGridRef(AGrid), FLink(std::make_unique<TSearchPanelLink>(*this))
{
    FEdit = new TRetEdit(this);
    FEdit->OnChange = [this](TObject*) { EditChange(); };
    FEdit->OnReturn = [this](TObject*) { ForwardClick(); };
    FEdit->OnCtrlReturn = [this](TObject*) { BackwardClick(); };

    FForwardButton = makeButton(this, "VSGARDOWN", "VSGARDOWND");
    FForwardButton->OnClick = [this](TObject*) { ForwardClick(); };
    FBackwardButton = makeButton(this, "VSGARUP", "VSGARUPD");
    FBackwardButton->OnClick = [this](TObject*) { BackwardClick(); };

    FExitButton = makeButton(this, "VSGCLOSE", nullptr);
    TBitmap bmp;
    if (LoadResourceBitmap(QStringLiteral("VSGCLOSEH"), bmp))
        FExitButton->SetGlyphHot(&bmp);
    if (LoadResourceBitmap(QStringLiteral("VSGCLOSED"), bmp))
        FExitButton->SetGlyphDown(&bmp);
    FExitButton->SetShowCaption(false);
    FExitButton->OnClick = [this](TObject*) { ExitClick(); };

    FHiliteButton = makeButton(this, "VSGHI", "VSGHID");
    FHiliteButton->SetStyle(TVynGridButtonStyle::tasCheck);
    FHiliteButton->SetAllowAllUp(true);
    FHiliteButton->OnClick = [this](TObject*) { HighlightClick(); };

    FMatchCase = new TVynCheckBox(this);
    FMatchCase->SetTransparent(true);

    for (TControl* c : {static_cast<TControl*>(FForwardButton), static_cast<TControl*>(FBackwardButton),
                        static_cast<TControl*>(FHiliteButton)})
        c->SetEnabled(false);
    if (FGrid)
        FGrid->SetSearchBarLink(FLink.get());
}

TSearchPanel::~TSearchPanel()
{
    if (TVynStringGrid* g = FGridRef.Get(); g && g->SearchBarLink() == FLink.get())
        g->SetSearchBarLink(nullptr);
}

void TSearchPanel::CreateWnd()
{
    TPanel::CreateWnd();
    FEdit->SetParent(this);
    FEdit->SetBounds(25, 6, 110, FEdit->Height());
    const struct {
        TVynGridButton* Button;
        int Left, Top, Width, Height;
        const String* Caption;
    } buttons[] = {
        {FForwardButton, 140, 5, 90, 23, &FFindNextCaption},
        {FBackwardButton, 235, 5, 90, 23, &FFindPrevCaption},
        {FExitButton, 5, 7, 14, 14, nullptr},
        {FHiliteButton, 330, 5, 90, 23, &FHighLightCaption},
    };
    for (const auto& b : buttons) {
        b.Button->SetParent(this);
        b.Button->SetBounds(b.Left, b.Top, b.Width, b.Height);
        if (b.Caption)
            b.Button->SetCaption(*b.Caption);
    }
    FHiliteButton->Font().SetStyle(TFontStyles{});
    FMatchCase->SetParent(this);
    FMatchCase->SetBounds(FHiliteButton->Visible() ? 425 : 330, 8, FMatchCase->Width(), FMatchCase->Height());
    FMatchCase->SetCaption(FMatchCaseCaption);
    SetButtonHint(FForwardButton, FHintFindNext);
    SetButtonHint(FBackwardButton, FHintFindPrev);
    SetButtonHint(FExitButton, FHintClose);
    SetButtonHint(FHiliteButton, FHintHighlight);
    if (FGrid && FGrid->OnCreatedSearchFooter)
        FGrid->OnCreatedSearchFooter(FGrid);
}

void TSearchPanel::SetButtonHint(TControl* Button, const String& Hint)
{
    Button->SetHint(Hint);
    Button->SetShowHint(!Hint.isEmpty());
}

void TSearchPanel::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::SetFindNextCaption(const String& Value)
{
    FFindNextCaption = Value;
    FForwardButton->SetCaption(Value);
}

void TSearchPanel::SetFindPrevCaption(const String& Value)
{
    FFindPrevCaption = Value;
    FBackwardButton->SetCaption(Value);
}

void TSearchPanel::SetMatchCaseCaption(const String& Value)
{
    FMatchCaseCaption = Value;
    FMatchCase->SetCaption(Value);
}

void TSearchPanel::SetHighLightCaption(const String& Value)
{
    FHighLightCaption = Value;
    FHiliteButton->SetCaption(Value);
}

void TSearchPanel::SetHints(const String& FindNext, const String& FindPrev, const String& Close,
                            const String& Highlight)
{
    FHintFindNext = FindNext;
    FHintFindPrev = FindPrev;
    FHintClose = Close;
    FHintHighlight = Highlight;
    SetButtonHint(FForwardButton, FindNext);
    SetButtonHint(FBackwardButton, FindPrev);
    SetButtonHint(FExitButton, Close);
    SetButtonHint(FHiliteButton, Highlight);
}

void TSearchPanel::ForwardClick()
{
    if (OnForwardClick)
        OnForwardClick(this);
}

void TSearchPanel::BackwardClick()
{
    if (OnBackwardClick)
        OnBackwardClick(this);
}

void TSearchPanel::ExitClick()
{
    if (OnExitClick)
        OnExitClick(this);
}

void TSearchPanel::HighlightClick()
{
    if (OnHighlightClick)
        OnHighlightClick(this);
}

void TSearchPanel::EditChange()
{
    const bool any = !FEdit->Text().isEmpty();
    FForwardButton->SetEnabled(any);
    FBackwardButton->SetEnabled(any);
    FHiliteButton->SetEnabled(any);
    if (OnEditChange)
        OnEditChange(this);
}

void TSearchPanel::Paint()
{
    TPanel::Paint();
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    c.Brush().SetColor(Color());
    c.Pen().SetColor(Color());
    if (FColorTo == clNone)
        c.FillRect(r);
    else
        DrawSteppedGradient(c, Color(), FColorTo, false, r, 32);
    c.Pen().SetColor(FGrid ? FGrid->GridLineColor() : clGray);
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Right, r.Top);
}

// ---- the grid's footer settings ----------------------------------------------------------------

void TVynStringGrid::ApplySearchFooter()
{
    if (ComponentState().Contains(TComponentStateItem::csLoading) || !FSearchPanel)
        return;
    TSearchPanel& p = *FSearchPanel;
    // 1.
    if ((p.HiliteButton()->Down() && p.Visible() && !FSearchFooter->Visible()) || FSearchFooter->AlwaysHighLight())
        UnHilightInRect(QStringLiteral("hi"), 0, 0, ColCount() - 1, RowCount() - 1);
    // 2.
    p.SetColor(FSearchFooter->Color());
    p.SetColorTo(FSearchFooter->ColorTo());
    p.SetVisible(FSearchFooter->Visible());
    p.SetFindNextCaption(FSearchFooter->FindNextCaption());
    p.SetFindPrevCaption(FSearchFooter->FindPrevCaption());
    p.SetMatchCaseCaption(FSearchFooter->MatchCaseCaption());
    p.SetHighLightCaption(FSearchFooter->HighLightCaption());
    p.SetHints(FSearchFooter->HintFindNext(), FSearchFooter->HintFindPrev(), FSearchFooter->HintClose(),
               FSearchFooter->HintHighlight());
    p.SetFont(*FSearchFooter->Font());
    // 3.
    const auto style = FControlLook->ControlStyle();
    const bool adapt = FSearchFooter->AutoThemeAdapt();
    TVynGridButton* text[] = {p.ForwardButton(), p.BackwardButton(), p.HiliteButton()};
    if (adapt) {
        for (TVynGridButton* b : text)
            b->SetAutoThemeAdapt(true);
    }
    bool flat = true;
    if (style == VynObj::TControlStyle::csClassic && !adapt)
        flat = false;
    for (TVynGridButton* b : text)
        b->SetFlat(flat);
    p.ExitButton()->SetFlat(flat);
    // 4. and 5.
    const struct {
        TControl* Control;
        bool Shown;
        int Height;
    } parts[] = {
        {p.HiliteButton(), FSearchFooter->ShowHighLight(), 23},
        {p.ExitButton(), FSearchFooter->ShowClose(), 14},
        {p.MatchCase(), FSearchFooter->ShowMatchCase(), 18},
        {p.BackwardButton(), FSearchFooter->ShowFindPrev(), 23},
        {p.ForwardButton(), FSearchFooter->ShowFindNext(), 23},
    };
    for (const auto& part : parts) {
        part.Control->SetVisible(part.Shown);
        part.Control->SetHeight(part.Shown ? part.Height : 0);
    }
    p.MatchCase()->SetLeft(FSearchFooter->ShowHighLight() ? 425 : 330);
    // 6.
    if (FSearchFooter->Visible()) {
        p.SetHeight(32);
        p.SetTop(Height() - 32);
        ScrollAboveSearchFooter();
    } else {
        p.SetHeight(0);
    }
}
