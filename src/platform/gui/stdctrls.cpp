// Item lists of the standard controls and caption mnemonics (see stdctrls.h for the event rules they keep).
#include "platform/gui/stdctrls.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <limits>

#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"
#include "platform/gui/qt_widgets.h"
#include "platform/gui/stdctrls_detail.h"

using namespace StdCtrlsDetail;

// ---- TControlStrings ----------------------------------------------------------------------------

void TControlStrings::Changed(TChange Change, int Index)
{
    if (updateCount_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (OnChange)
        OnChange(Change, Index);
}

void TControlStrings::SetStrings(int Index, const String& S)
{
    if (list_.Strings(Index) == S)
        return;
    list_.SetStrings(Index, S);
    Changed(TChange::Changed, Index);
}

int TControlStrings::Add(const String& S) { return AddObject(S, nullptr); }

int TControlStrings::AddObject(const String& S, TObject* Obj)
{
    const int before = list_.Count();
    const int i = list_.AddObject(S, Obj);
    if (list_.Count() != before)
        Changed(i == before ? TChange::Added : TChange::Inserted, i);
    return i;
}

void TControlStrings::AddStrings(const QStringList& Items)
{
    BeginUpdate();
    for (const QString& s : Items)
        Add(s);
    EndUpdate();
}

void TControlStrings::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TControlStrings::InsertObject(int Index, const String& S, TObject* Obj)
{
    list_.InsertObject(Index, S, Obj);
    Changed(TChange::Inserted, Index);
}

void TControlStrings::Delete(int Index)
{
    list_.Delete(Index);
    Changed(TChange::Deleted, Index);
}

void TControlStrings::Clear()
{
    if (list_.Count() == 0)
        return;
    list_.Clear();
    Changed(TChange::Reset, -1);
}

void TControlStrings::Move(int From, int To)
{
    list_.Move(From, To);
    Changed(TChange::Reset, -1);
}

void TControlStrings::Exchange(int A, int B)
{
    list_.Exchange(A, B);
    Changed(TChange::Reset, -1);
}

void TControlStrings::SetText(const String& Value)
{
    list_.SetText(Value);
    Changed(TChange::Reset, -1);
}

void TControlStrings::SetCommaText(const String& Value)
{
    list_.SetCommaText(Value);
    Changed(TChange::Reset, -1);
}

void TControlStrings::Assign(const TStringList& Source)
{
    list_.Clear();
    for (int i = 0; i < Source.Count(); ++i)
        list_.AddObject(Source.Strings(i), Source.Objects(i));
    Changed(TChange::Reset, -1);
}

void TControlStrings::Assign(const TControlStrings& Source)
{
    if (&Source == this)
        return;
    Assign(Source.list_);
}

void TControlStrings::Assign(const QStringList& Source)
{
    list_.Clear();
    for (const QString& s : Source)
        list_.Add(s);
    Changed(TChange::Reset, -1);
}

void TControlStrings::SetSorted(bool Value)
{
    if (list_.Sorted() == Value)
        return;
    list_.SetSorted(Value);
    if (Value)
        Changed(TChange::Reset, -1);
}

void TControlStrings::BeginUpdate() { ++updateCount_; }

void TControlStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Changed(TChange::Reset, -1);
    }
}

// ---- mnemonics ----------------------------------------------------------------------------------

QChar AccelCharOf(const String& Caption)
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&')
            continue;
        if (Caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return Caption[i + 1];
    }
    return QChar();
}

bool IsAccel(QChar Char, const String& Caption)
{
    const QChar a = AccelCharOf(Caption);
    return !a.isNull() && a.toUpper() == Char.toUpper();
}
