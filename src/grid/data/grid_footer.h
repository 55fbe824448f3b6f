#pragma once
// The floating footer of the string grid: its settings (TFloatingFooter,
// owned by the grid) and the strip below the cells that shows it
// (TFooterPanel, a child control of the grid painted through the grid's
// cell painter).
//
// With fsFixedLastRow the grid's last row holds the footer: each footer
// cell keeps its calculation type (ColumnCalc) in its cell properties and
// CalcFooter fills it from the column calculations; the grid hides the row
// (FixedFooters 1) and the panel paints it. fsColumnPreview shows one column
// of the current row, fsCustomPreview a template with "<#n>" references to
// the current row's cells, fsCustomPaint whatever OnFooterPaint draws.
#include <functional>

#include "grid/core/grid_types.h"
#include "platform/gui/classes.h"
#include "platform/gui/extctrls.h"

class TVynStringGrid;
class TCanvas;

enum class TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// The panel under the cells.
class TFooterPanel : public TPanel {
public:
    TFooterPanel(TComponent* AOwner, TVynStringGrid* AGrid);
    TVynStringGrid* Grid() const { return FGrid; }
    // The template with every "<#n>" replaced by the text of cell n (a real
    // column) of the current row; a reference that is not a number is
    // dropped; an unterminated "<#" keeps the rest of the text as it stands.
    String ExpandTemplate(const String& Template);
    // The real column under X (client coordinates): the fixed columns, then
    // the columns from the first one scrolled to; -1 for none.
    int ColumnAt(int X);
    // The width the footer area takes: the fixed columns and the columns
    // from the first one scrolled to.
    int FooterWidth();
    int LastHintColumn() const { return FLastHintX; }

protected:
    void Paint() override;
    void CreateWnd() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMHintShow(TMessage& Message) override;

private:
    // Each paints the footer area and answers the width it took.
    int PaintFixedLastRow(TCanvas& ACanvas);
    int PaintColumnPreview(TCanvas& ACanvas);
    int PaintCustomPreview(TCanvas& ACanvas);
    int PaintCustom(TCanvas& ACanvas);
    // The frame of the preview styles around the footer area.
    void PaintPreviewFrame(TCanvas& ACanvas, const TRect& R);

    TVynStringGrid* FGrid;
    int FLastHintX = -1;
};

class TFloatingFooter : public TPersistent {
public:
    explicit TFloatingFooter(TVynStringGrid* AGrid) : FGrid(AGrid) {}

    int Height() const { return FHeight; }
    // The panel takes Value - 1 when it exists and Value is above 0.
    void SetHeight(int Value);
    // The height of the shown panel: Height - 1, or the grid's default row
    // height while Height is 0.
    int PanelHeight() const;
    bool Visible() const { return FVisible; }
    // The panel's height and visibility follow; FixedFooters becomes 1 when
    // shown with fsFixedLastRow (the grid then hides its last row), else 0;
    // a footer shown is calculated at once.
    void SetVisible(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle Value);
    int Column() const { return FColumn; }
    void SetColumn(int Value);
    const String& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const String& Value);
    bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
    void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
    // Stores; the footer's kept values are dropped (they may be stale when
    // the calculation comes back on).
    bool EnableCalculation() const { return FEnableCalculation; }
    void SetEnableCalculation(bool Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The calculation type kept in the properties of the last row's cell of
    // the real column (acNONE without); a write creates the properties and
    // recalculates that column.
    TColumnCalcType ColumnCalc(int ACol) const;
    void SetColumnCalc(int ACol, TColumnCalcType Value);
    // The footer's own custom calculation (after the grid's OnCalcFooter).
    std::function<void(TObject* Sender, int ACol, String& Value)> OnCalcFooter;

    // Copies CalculateHiddenRows, Color, Column, CustomTemplate,
    // FooterStyle, Visible and ShowHint of another footer.
    void Assign(const TPersistent& Source) override;
    // Repaints the panel.
    void Invalidate();

private:
    // The grid's last row as its footer row (FixedFooters) and repaint.
    void ApplyToGrid();

    TVynStringGrid* FGrid;
    int FHeight = 0;
    bool FVisible = false;
    TColor FColor = clBtnFace;
    TFooterStyle FFooterStyle = TFooterStyle::fsFixedLastRow;
    int FColumn = 0;
    String FCustomTemplate;
    bool FCalculateHiddenRows = true;
    bool FEnableCalculation = true;
    bool FShowHint = false;
    TColor FBorderColor = clNone;
};
