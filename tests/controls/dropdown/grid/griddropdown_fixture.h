#pragma once
// A shown form with a grid drop-down on it whose items are given per test,
// the layer's clock standing still and one display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/grid/VynGridDropDown.h"
#include "grid/core/grid_startup.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"
#include "platform/testing/test_kit.h"

namespace GridDropDownTestKit {

using namespace VynCustomGridDropDown;

inline std::string S(const String& V) { return V.toStdString(); }

// The drop-down with its protected hooks in reach.
class TProbeGridDropDown : public TVynGridDropDown {
public:
    using TVynGridDropDown::TVynGridDropDown;
    using TCustomVynGridDropDown::ControlKeyPress;
};

struct GridDropDownFixture : ::testing::Test {
    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    bool startedModule = VynGridModule::Start();
    TForm* form = nullptr;
    TEdit* other = nullptr;
    TProbeGridDropDown* dd = nullptr;

    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetName("Form");
        form->SetBounds(100, 100, 500, 400);
        dd = new TProbeGridDropDown(form);
        dd->SetName("GridDropDown");
        dd->SetBounds(10, 10, 200, 21);
        dd->SetParent(form);
        other = new TEdit(form);
        other->SetBounds(10, 300, 100, 21);
        other->SetParent(form);
        form->Show();
        dd->SetFocus();
    }
    void TearDown() override
    {
        if (form)
            form->Free();
        if (startedModule)
            VynGridModule::End();
    }

    // One column per header, one item per row of texts.
    void Fill(const std::vector<std::string>& Headers, const std::vector<std::vector<std::string>>& Rows)
    {
        dd->Columns().Clear();
        for (const std::string& h : Headers)
            dd->Columns().Add()->SetHeader(QString::fromStdString(h));
        dd->Items().Clear();
        for (const auto& row : Rows) {
            QStringList texts;
            for (const std::string& t : row)
                texts << QString::fromStdString(t);
            dd->Items().AddTexts(texts);
        }
        dd->EndUpdate();
    }
    void Fruit() { Fill({"Name"}, {{"Apple"}, {"Avocado"}, {"Banana"}}); }

    TVynColGrid* grid() const { return dd->GetColGrid(); }
    bool open() const { return dd->DroppedDown() && dd->DropDownForm()->Visible(); }
    void type(const char* Text) { TestKit::TypeText(dd, Text); }
    std::string selected() const { return S(dd->SelText()); }
    // The column-0 texts of the list grid's data rows, top to bottom.
    std::vector<std::string> rows(int Col = 0) const
    {
        std::vector<std::string> out;
        for (int r = grid()->FixedRows(); r < grid()->RowCount(); ++r)
            out.push_back(S(grid()->Cells(Col, r)));
        return out;
    }
};

}  // namespace GridDropDownTestKit
