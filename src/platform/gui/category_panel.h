#pragma once
// The category panel group: collapsible panels stacked top to bottom, each
// with a header (image, caption, chevron) that collapses and expands it, in
// a scrolling container.
//
// - A panel's header is HeaderHeight (24) pixels high; the panel's controls
//   live on its surface below the header: SetParent(panel) puts a control
//   there, and its Left/Top count from the surface's top-left corner.
// - A panel's Height includes the header. Collapsed, the panel is only its
//   header; setting its Height while collapsed sets the height it expands
//   to.
// - The group stacks its visible panels without gaps, in their top order,
//   and scrolls when they do not fit: the vertical scroll bar tracks, a line
//   is VertScrollBar().Increment() pixels, and a wheel notch over the group
//   scrolls the system's wheel lines (each a SB_LINEUP/SB_LINEDOWN followed
//   by SB_ENDSCROLL).
// - Clicking a header (or Space/Enter while the panel has the focus)
//   toggles it; setting Collapsed to a new value does the same. Either way
//   OnCollapse or OnExpand fires.
#include <functional>

#include "platform/gui/bitmap.h"
#include "platform/gui/forms.h"

class TCategoryPanelGroup;

// The area of a panel below its header, where the panel's controls live.
class TCategoryPanelSurface : public TCustomControl {
public:
    explicit TCategoryPanelSurface(TComponent* AOwner);
};

class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner);
    ~TCategoryPanel() override;

    TCategoryPanelGroup* PanelGroup() const { return group_; }
    void SetPanelGroup(TCategoryPanelGroup* Value);
    void SetParent(TWinControl* AParent) override;
    TCategoryPanelSurface* Surface() const { return surface_; }
    TWinControl* ParentForChild(TControl* Child) override;

    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool Value);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    // The height when expanded (header included).
    int FullHeight() const { return fullHeight_; }

    // Header images from the group's Images (-1: none): expanded and
    // collapsed, each normal, hot (pointer over the header) and pressed.
    int ExpandedImageIndex() const { return images_[0]; }
    void SetExpandedImageIndex(int Value) { SetImage(0, Value); }
    int ExpandedHotImageIndex() const { return images_[1]; }
    void SetExpandedHotImageIndex(int Value) { SetImage(1, Value); }
    int ExpandedPressedImageIndex() const { return images_[2]; }
    void SetExpandedPressedImageIndex(int Value) { SetImage(2, Value); }
    int CollapsedImageIndex() const { return images_[3]; }
    void SetCollapsedImageIndex(int Value) { SetImage(3, Value); }
    int CollapsedHotImageIndex() const { return images_[4]; }
    void SetCollapsedHotImageIndex(int Value) { SetImage(4, Value); }
    int CollapsedPressedImageIndex() const { return images_[5]; }
    void SetCollapsedPressedImageIndex(int Value) { SetImage(5, Value); }

    int HeaderHeight() const;
    TRect HeaderRect() const;
    // The image index the header shows now (-1: none).
    int CurrentImageIndex() const;
    bool HeaderHot() const { return hot_; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnCollapse;
    TNotifyEvent OnExpand;

protected:
    void Paint() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void DefaultHandler(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMParentColorChanged(TMessage& Message) override;

private:
    friend class TCategoryPanelGroup;
    void SetImage(int Slot, int Value);
    void PlaceSurface();

    TCategoryPanelGroup* group_ = nullptr;
    TCategoryPanelSurface* surface_ = nullptr;
    bool collapsed_ = false;
    int fullHeight_ = 200;
    int images_[6] = {-1, -1, -1, -1, -1, -1};
    bool hot_ = false;
    bool pressed_ = false;
    bool settingHeight_ = false;
};

class TCategoryPanelGroup : public TScrollingWinControl {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner);
    ~TCategoryPanelGroup() override;

    int PanelCount() const { return int(panels_.size()); }
    TCategoryPanel* Panels(int Index) const;
    // A new panel (owned by AOwner, or by the group) at the bottom.
    TCategoryPanel* CreatePanel(TComponent* AOwner);
    void CollapseAll();
    void ExpandAll();

    int HeaderHeight() const { return headerHeight_; }
    void SetHeaderHeight(int Value);
    TFont& HeaderFont() { return headerFont_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);
    TColor ChevronColor() const { return chevronColor_; }
    void SetChevronColor(TColor Value);
    TColor ChevronHotColor() const { return chevronHotColor_; }
    void SetChevronHotColor(TColor Value);
    // The header's gradient runs from GradientBaseColor to GradientColor.
    TColor GradientBaseColor() const { return gradientBaseColor_; }
    void SetGradientBaseColor(TColor Value);
    TColor GradientColor() const { return gradientColor_; }
    void SetGradientColor(TColor Value);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

private:
    friend class TCategoryPanel;
    void InsertPanel(TCategoryPanel* Panel);
    void RemovePanel(TCategoryPanel* Panel);
    void HeadersChanged();

    std::vector<TCategoryPanel*> panels_;
    int headerHeight_ = 24;
    TFont headerFont_;
    TImageList* images_ = nullptr;
    TColor chevronColor_ = clBlack;
    TColor chevronHotColor_ = clGray;
    TColor gradientBaseColor_ = RGBColor(0xF0, 0xF0, 0xF0);
    TColor gradientColor_ = RGBColor(0xE0, 0xE0, 0xE0);
    TGradientDirection gradientDirection_ = gdVertical;
};
