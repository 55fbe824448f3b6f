#include "grid/core/grid_startup.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "grid/core/column_grid.h"
#include "grid/core/grid_controls.h"
#include "grid/data/grid_data_holders.h"
#include "grid/interact/grid_drag_button.h"
#include "grid/interact/grid_interact_holders.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/messages.h"
#include "platform/gui/stdctrls.h"

namespace {

// Stands in for the window hook: watches the top-level form of the active
// grid and lets its focus frame follow the form.
class TFormMoveFilter : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
};

struct ModuleState {
    int Starts = 0;
    unsigned CellsFormat = 0, EditDone = 0, ShiftFocus = 0;
    TVynStringGrid* ActiveGrid = nullptr;
    String HintFont;
    std::unique_ptr<TFormMoveFilter> Filter;
    QPointer<QWidget> Watched;
};

// Never freed: grids that outlive the program's end (freed with the
// application object) still ask it.
ModuleState& State()
{
    static ModuleState* s = new ModuleState;
    return *s;
}

bool TFormMoveFilter::eventFilter(QObject* Watched, QEvent* Event)
{
    const ModuleState& s = State();
    if ((Event->type() == QEvent::Move || Event->type() == QEvent::Resize) && Watched == s.Watched.data() &&
        s.ActiveGrid)
        s.ActiveGrid->MoveFocusWindow();
    return false;
}

// Moves the filter to the form of the active grid (none while the library
// is not started or no grid is active).
void WatchActiveForm()
{
    ModuleState& s = State();
    QWidget* form = nullptr;
    if (s.Filter && s.ActiveGrid)
        if (QWidget* w = s.ActiveGrid->Widget())
            form = w->window();
    if (form == s.Watched.data())
        return;
    if (s.Watched)
        s.Watched->removeEventFilter(s.Filter.get());
    s.Watched = form;
    if (form)
        form->installEventFilter(s.Filter.get());
}

template <class T>
void RegisterComponentClass(const char* Name)
{
    RegisterClass(QString::fromLatin1(Name), typeid(T), [](TComponent* AOwner) -> TPersistent* { return new T(AOwner); });
}

// The grid classes forms may name; the first registration that fails ends
// the list.
void RegisterGridClasses()
{
    try {
        RegisterComponentClass<TVynStringGrid>("TVynStringGrid");
        RegisterComponentClass<TDropList>("TDropList");
        RegisterClass(QStringLiteral("TArrowWindow"), typeid(TArrowWindow));
        RegisterClass(QStringLiteral("THeaderDragButton"), typeid(THeaderDragButton));
        RegisterComponentClass<TScrollBar>("TScrollBar");
        RegisterClass(QStringLiteral("TFooterPanel"), typeid(TFooterPanel));
        RegisterClass(QStringLiteral("TSearchPanel"), typeid(TSearchPanel));
    } catch (const Exception&) {
    }
    try {
        RegisterComponentClass<TVynColumnGrid>("TVynColumnGrid");
        RegisterClass(QStringLiteral("TGridColumnItem"), typeid(TGridColumnItem));
        RegisterClass(QStringLiteral("TGridColumnCollection"), typeid(TGridColumnCollection));
    } catch (const Exception&) {
    }
}

}  // namespace

bool VynGridModule::Start()
{
    ModuleState& s = State();
    if (s.Starts++ > 0)
        return false;
    s.ActiveGrid = nullptr;
    s.Filter = std::make_unique<TFormMoveFilter>();
    RegisterGridClasses();
    s.CellsFormat = RegisterClipboardFormat(QStringLiteral("TVynStringGrid Cells"));
    s.EditDone = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    s.ShiftFocus = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    return true;
}

void VynGridModule::End()
{
    ModuleState& s = State();
    if (s.Starts == 0)
        return;
    s.Starts = 0;
    s.ActiveGrid = nullptr;
    WatchActiveForm();
    s.Filter.reset();
    s.HintFont.clear();
}

bool VynGridModule::Started() { return State().Starts > 0; }

unsigned GridCellsClipFormat() { return State().CellsFormat; }
unsigned GridEditDoneMsg() { return State().EditDone; }
unsigned ShiftFocusMsg() { return State().ShiftFocus; }
bool ComCtl470Available() { return true; }
TVynStringGrid* HookActiveGrid() { return State().ActiveGrid; }
void SetHookActiveGrid(TVynStringGrid* Grid)
{
    State().ActiveGrid = Grid;
    WatchActiveForm();
}
const String& HintFontName() { return State().HintFont; }
void SetHintFontName(const String& Value) { State().HintFont = Value; }

void SetTransparentExStyle(TWinControl* Window)
{
    QWidget* w = Window ? Window->Handle() : nullptr;
    if (!w)
        return;
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (w->isWindow() && !w->windowFlags().testFlag(Qt::WindowTransparentForInput)) {
        // A new window flag re-creates the window hidden.
        const bool shown = w->isVisible();
        w->setWindowFlag(Qt::WindowTransparentForInput);
        if (shown)
            w->show();
    }
}

String TVynStringGridCheck::MarkError(int, int, const String& S) { return S; }
String TVynStringGridCheck::Correct(int, int, const String& S) { return S; }
void TVynStringGridCheck::StartCheck() {}
void TVynStringGridCheck::StopCheck() {}
