#include "app/look/Dialog_Look.h"

#include <QDir>
#include <QFile>

const char* const Dialog_Font_Name = "Verdana";

void Setup_Dialog_Form(TForm& Form, const String& Name, bool Sizeable)
{
    Form.SetName(Name);
    Form.SetBorderStyle(Sizeable ? bsSizeable : bsSingle);
    Form.SetBorderIcons(Sizeable ? TBorderIcons{biSystemMenu, biMinimize, biMaximize} : TBorderIcons{biSystemMenu});
    Form.SetPosition(poScreenCenter);
    Form.SetColor(Dialog_Color);
    Form.Font().SetName(QString::fromLatin1(Dialog_Font_Name));
    Form.Font().SetHeight(Dialog_Font_Height);
    Form.SetShowHint(true);
}

void Apply_Button_Look(TLbButton& Button, TLbButtonStyle Style)
{
    Button.SetStyle(Style);
    Button.SetColor(Button_Color);
    Button.SetParentColor(false);
    Button.SetLightColor(Button_Light_Color);
    Button.SetColorWhenDown(Button_Down_Color);
    Button.SetHotTrackColor(Button_Hot_Color);
    Button.SetShowHint(true);
}

TDialog_Title Add_Title_Panel(TForm& Form, int Height)
{
    TDialog_Title t;
    t.P_Title = Place_Control<TPanel>(&Form, &Form, "P_Title", 0, 0, Form.ClientWidth(), Height);
    t.P_Title->SetAlign(alTop);
    t.P_Title->SetBevelOuter(bvNone);
    t.P_Title->SetCaption(String());
    t.P_Title->SetColor(clWhite);
    t.L_SW_Code = Place_Control<TLabel>(&Form, t.P_Title, "L_SW_Code", 16, 6, 0, 0);
    t.L_SW_Code->Font().SetHeight(-24);
    t.L_SW_Code->Font().SetColor(Label_Grey);
    t.L_SW_Desc = Place_Control<TLabel>(&Form, t.P_Title, "L_SW_Desc", 16, Height - 24, 0, 0);
    t.L_SW_Desc->Font().SetStyle({fsBold});
    t.L_SW_Desc->Font().SetColor(Label_Grey);
    return t;
}

TPanel* Add_Button_Panel(TForm& Form, int Height)
{
    auto* p = Place_Control<TPanel>(&Form, &Form, "P_Button", 0, Form.ClientHeight() - Height, Form.ClientWidth(), Height);
    p->SetAlign(alBottom);
    p->SetBevelOuter(bvNone);
    p->SetCaption(String());
    return p;
}

TLbButton* Add_Button(TForm& Form, TWinControl* Parent, const char* Name, int Left, int Top, const char* Glyph,
                      int Width, int Height, TLbButtonStyle Style)
{
    auto* b = Place_Control<TLbButton>(&Form, Parent, Name, Left, Top, Width, Height);
    Apply_Button_Look(*b, Style);
    if (Glyph) {
        TBitmap glyph;
        if (Load_Program_Picture(glyph, QString::fromLatin1(Glyph)))
            b->SetGlyph(&glyph);
    }
    return b;
}

QStringList Program_Picture_Names()
{
    QStringList names = QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (String& n : names)
        n.chop(4);
    return names;
}

bool Load_Program_Picture(TBitmap& Bitmap, const String& Name)
{
    QFile file(QStringLiteral(":/pictures/") + Name + QStringLiteral(".bmp"));
    if (Name.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        Bitmap.SetSize(0, 0);
        return false;
    }
    Bitmap.LoadFromBytes(file.readAll());
    return true;
}
