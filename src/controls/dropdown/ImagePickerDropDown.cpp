// TVynImagePickerDropDown: pictures, the selector popup, keys, the wheel and
// the edit's picture.
#include "controls/dropdown/ImagePickerDropDown.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/input_state.h"

// ---- items -------------------------------------------------------------------------------------------

void TImageItem::Assign(const TPersistent& Source)
{
    TPickerPictureItem::Assign(Source);
    if (const auto* s = dynamic_cast<const TImageItem*>(&Source))
        fHint_ = s->fHint_;
}

// ---- creation ----------------------------------------------------------------------------------------

TVynImagePickerDropDown::TVynImagePickerDropDown(TComponent* AOwner)
    : TVynSelectorPicker(AOwner),
      fItems_(std::make_unique<TImageItems>(this)),
      fItemAppearance_(std::make_unique<TItemAppearance>(this)),
      fTypeAhead_(this, false)
{
    fItems_->OnChange = [](TObject*) {};
    InitDropDown();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetCursor(crArrow);
}

TVynImagePickerDropDown::~TVynImagePickerDropDown() { fItems_->OnChange = nullptr; }

void TVynImagePickerDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    fItemSelector_ = HostSelector(*this, fItemSelector_, stImage);
}

// ---- values ------------------------------------------------------------------------------------------

void TVynImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == fItemIndex_ || Value < -1 || Value >= fItems_->Count())
        return;
    fItemIndex_ = Value;
    Invalidate();
    TWeakRef<TVynImagePickerDropDown> self(this);
    if (OnChange)
        OnChange(this);
    if (self && OnSelect)
        OnSelect(this);
}

int TVynImagePickerDropDown::ImageIndex() const
{
    return fItemIndex_ < 0 ? -1 : fItems_->Items(fItemIndex_)->ImageIndex();
}

void TVynImagePickerDropDown::SetImageIndex(int Value)
{
    for (int i = 0; i < fItems_->Count(); ++i)
        if (fItems_->Items(i)->ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TVynImagePickerDropDown::step(TSelectStep Step)
{
    if (const int i = SteppedIndex(fItemIndex_, fItems_->Count(), Step); i >= 0)
        SetItemIndex(i);
}

void TVynImagePickerDropDown::SelectFirst() { step(TSelectStep::First); }
void TVynImagePickerDropDown::SelectLast() { step(TSelectStep::Last); }
void TVynImagePickerDropDown::SelectNext() { step(TSelectStep::Next); }
void TVynImagePickerDropDown::SelectPrevious() { step(TSelectStep::Previous); }

void TVynImagePickerDropDown::AddImagesFromImageList()
{
    TImageList* images = Images();
    if (!images)
        return;
    fItems_->BeginUpdate();
    for (int i = 0; i < images->Count(); ++i)
        fItems_->Add()->SetImageIndex(i);
    fItems_->EndUpdate();
}

void TVynImagePickerDropDown::AddImagesFromFolder(const String& AFolder, bool SetImageCaption)
{
    const QFileInfo spec(AFolder);
    QDir dir(spec.path());
    // Regular files only, hidden ones too; the mask ignores case; name order.
    dir.setNameFilters({spec.fileName()});
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    const QFileInfoList entries = dir.entryInfoList();
    for (const QFileInfo& entry : entries) {
        if (!entry.isFile())
            continue;
        TPicture picture;
        try {
            picture.LoadFromFile(entry.filePath());
        } catch (const Exception&) {
            continue;
        }
        if (!picture.Graphic() || picture.Graphic()->Empty())
            continue;
        TImageItem* item = fItems_->Add();
        item->SetImage(picture);
        if (SetImageCaption)
            item->SetCaption(entry.fileName());
    }
}

// ---- the popup ---------------------------------------------------------------------------------------

void TVynImagePickerDropDown::SetUpSelector()
{
    if (!fItemSelector_)
        return;
    TVynCustomItemSelector& s = *fItemSelector_;
    s.OnItemSelect = nullptr;
    s.SetColumns(fColumns_);
    s.SetImages(Images());
    s.SetItemLayout(fLayout_);
    s.SetColor(DropDownColor());
    s.SetItemAppearance(*fItemAppearance_);
    s.Items().BeginUpdate();
    s.Items().Clear();
    for (int i = 0; i < fItems_->Count(); ++i) {
        const TImageItem& d = *fItems_->Items(i);
        TSelectorItem* item = s.Items().Add();
        item->SetCaption(d.Caption());
        item->SetImage(d.Image());
        item->SetImageIndex(d.ImageIndex());
        item->SetHint(d.Hint());
    }
    s.Items().EndUpdate();
    s.UpdateSelectorPanel();
    s.SetItemIndex(fItemIndex_);
    s.OnItemSelect = [this](TObject*) { TakeSelectorPick([this](int i) { SetItemIndex(i); }); };
    s.SetShowHint(ShowHint());
}

void TVynImagePickerDropDown::DoBeforeDropDown()
{
    TWeakRef<TVynImagePickerDropDown> self(this);
    TVynCustomDropDown::DoBeforeDropDown();
    if (!self || !fItemSelector_)
        return;
    SetUpSelector();
    if (OnDrawItem)
        fItemSelector_->OnDrawItem = [this](TObject*, TCanvas& Canvas, const TRect& R, int Index) {
            OnDrawItem(this, Canvas, R, Index);
        };
    else
        fItemSelector_->OnDrawItem = nullptr;
    fOldItemIndex_ = fItemIndex_;
}

void TVynImagePickerDropDown::UpdateDropDownSize()
{
    if (!fItemSelector_) {
        TVynCustomDropDown::UpdateDropDownSize();
        return;
    }
    PrepareSelectorPopupSize(*this, *fItemSelector_);
    TVynCustomDropDown::UpdateDropDownSize();
    WidenForScrollBar(*this, *fItemSelector_);
}

void TVynImagePickerDropDown::DoHideDropDown(bool Cancel)
{
    // Only a popup that was open is restored: Esc on the closed picker
    // changes nothing.
    const bool wasOpen = DroppedDown();
    TWeakRef<TVynImagePickerDropDown> self(this);
    TVynCustomDropDown::DoHideDropDown(Cancel);
    if (self && Cancel && wasOpen && fItemSelector_)
        SetItemIndex(fOldItemIndex_);
}

void TVynImagePickerDropDown::SetComponentStyle(TVynStyle AStyle)
{
    TVynCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(fItemAppearance_.get(), AStyle);
}

// ---- keys and the wheel ------------------------------------------------------------------------------

void TVynImagePickerDropDown::WMKeyDown(TMessage& Message)
{
    TWeakRef<TVynImagePickerDropDown> self(this);
    const Word key = Message.CharCode();
    bool taken = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN && fItemSelector_ && fItemSelector_->ItemHot() >= 0) {
        fItemSelector_->SetItemIndex(fItemSelector_->ItemHot());
        taken = true;
    }
    if (!self)
        return;
    TVynCustomDropDown::WMKeyDown(Message);
    if (!self || !Enabled() || GetKeyState(VK_MENU) < 0 || !fItemSelector_)
        return;
    if (key == VK_RETURN) {
        if (!taken && OnSelect)
            OnSelect(this);
        return;
    }
    ListKeys().KeyDown(key, GetKeyState(VK_CONTROL) < 0);
}

void TVynImagePickerDropDown::WheelStep(bool Down)
{
    if (!Enabled() || ReadOnly() || !fItemSelector_)
        return;
    ListKeys().Wheel(Down);
}

TSelectorListKeys TVynImagePickerDropDown::ListKeys()
{
    TSelectorListKeys k;
    k.Selector = fItemSelector_;
    k.Open = DroppedDown();
    k.EditorEnabled = EditorEnabled();
    k.Columns = std::max(1, fColumns_);
    k.Count = fItems_->Count();
    k.Refresh = [this] { SetUpSelector(); };
    k.Internal = [this](const std::function<void()>& Call) { Internal(Call); };
    k.Current = fItemIndex_;
    k.SetIndex = [this](int I) { SetItemIndex(I); };
    k.TypeAhead = &fTypeAhead_;
    return k;
}

void TVynImagePickerDropDown::HandleMouseWheelDown() { WheelStep(true); }
void TVynImagePickerDropDown::HandleMouseWheelUp() { WheelStep(false); }

// ---- the edit ----------------------------------------------------------------------------------------

void TVynImagePickerDropDown::DrawFocusedText(TCanvas& Canvas)
{
    TVynCustomDropDown::DrawFocusedText(Canvas);
    DrawSelectedImage(Canvas);
}

void TVynImagePickerDropDown::DrawSelectedImage(TCanvas& Canvas)
{
    const TRect R = EditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (fItemIndex_ < 0)
        return;
    const TImageItem& item = *fItems_->Items(fItemIndex_);
    // The item's own picture first, else its image of Images.
    if (const TGraphic* g = item.Image().Graphic(); g && !g->Empty()) {
        Canvas.Draw(R.Left + (R.Width() - g->Width()) / 2, R.Top + (R.Height() - g->Height()) / 2, *g);
        return;
    }
    TImageList* images = Images();
    if (images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count())
        images->Draw(Canvas, R.Left + (R.Width() - images->Width()) / 2, R.Top + (R.Height() - images->Height()) / 2,
                     item.ImageIndex());
}
