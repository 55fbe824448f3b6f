#include "platform/gui/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainterPath>

#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/stdctrls.h"

namespace {

TMessageBoxHandler* g_boxHandler = nullptr;
TFileDialogHandler* g_fileHandler = nullptr;

constexpr TMsgDlgBtn kButtonOrder[] = {mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                       mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp,  mbClose};

// The plain name of a button ("Yes", "NoToAll" ...), used as the control's name.
String buttonName(TMsgDlgBtn B)
{
    switch (B) {
    case mbYes: return QStringLiteral("Yes");
    case mbNo: return QStringLiteral("No");
    case mbOK: return QStringLiteral("OK");
    case mbCancel: return QStringLiteral("Cancel");
    case mbAbort: return QStringLiteral("Abort");
    case mbRetry: return QStringLiteral("Retry");
    case mbIgnore: return QStringLiteral("Ignore");
    case mbAll: return QStringLiteral("All");
    case mbNoToAll: return QStringLiteral("NoToAll");
    case mbYesToAll: return QStringLiteral("YesToAll");
    case mbHelp: return QStringLiteral("Help");
    case mbClose: return QStringLiteral("Close");
    }
    return String();
}

// The icon of a box, painted with smooth edges.
class TMessageIcon : public TGraphicControl {
public:
    TMessageIcon(TComponent* AOwner, TMsgDlgType Kind) : TGraphicControl(AOwner), kind_(Kind) {}

protected:
    void Paint() override
    {
        QPainter* p = Canvas().Painter();
        if (!p)
            return;
        p->save();
        p->setRenderHint(QPainter::Antialiasing, true);
        const QRectF box(0.5, 0.5, Width() - 1.0, Height() - 1.0);
        QColor fill, mark = Qt::white;
        String glyph;
        switch (kind_) {
        case mtError: fill = QColor(0xD3, 0x2F, 0x2F); break;
        case mtWarning: fill = QColor(0xF5, 0xC2, 0x1B); mark = QColor(0x20, 0x20, 0x20); glyph = QStringLiteral("!"); break;
        case mtInformation: fill = QColor(0x1E, 0x6F, 0xD9); glyph = QStringLiteral("i"); break;
        case mtConfirmation: fill = QColor(0x1E, 0x6F, 0xD9); glyph = QStringLiteral("?"); break;
        default: p->restore(); return;
        }
        p->setPen(fill.darker(130));
        p->setBrush(fill);
        if (kind_ == mtWarning) {
            QPainterPath tri;
            tri.moveTo(box.center().x(), box.top() + 1);
            tri.lineTo(box.right(), box.bottom());
            tri.lineTo(box.left(), box.bottom());
            tri.closeSubpath();
            p->drawPath(tri);
        } else {
            p->drawEllipse(box);
        }
        if (kind_ == mtError) {
            QPen pen(mark, 3.0, Qt::SolidLine, Qt::RoundCap);
            p->setPen(pen);
            const double m = Width() * 0.32;
            p->drawLine(QPointF(m, m), QPointF(Width() - m, Height() - m));
            p->drawLine(QPointF(Width() - m, m), QPointF(m, Height() - m));
        } else {
            QFont f = MakeQFont(QStringLiteral("Verdana"), -22, true);
            p->setFont(f);
            p->setPen(mark);
            QRectF r = box;
            if (kind_ == mtWarning)
                r.adjust(0, 6, 0, 0);
            p->drawText(r, Qt::AlignCenter, glyph);
        }
        p->restore();
    }

private:
    TMsgDlgType kind_;
};

String applicationTitle()
{
    if (!Application.Title().isEmpty())
        return Application.Title();
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return String();
}

}  // namespace

// ---- message boxes ------------------------------------------------------------------------------

TMessageBoxHandler* MessageBoxHandler() { return g_boxHandler; }

TMessageBoxHandler* SetMessageBoxHandler(TMessageBoxHandler* Handler)
{
    TMessageBoxHandler* old = g_boxHandler;
    g_boxHandler = Handler;
    return old;
}

String MsgDlgCaption(TMsgDlgType Kind)
{
    switch (Kind) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Confirmation");
    default: return applicationTitle();
    }
}

String MsgDlgButtonCaption(TMsgDlgBtn Button)
{
    switch (Button) {
    case mbYes: return QStringLiteral("&Yes");
    case mbNo: return QStringLiteral("&No");
    case mbOK: return QStringLiteral("OK");
    case mbCancel: return QStringLiteral("Cancel");
    case mbAbort: return QStringLiteral("&Abort");
    case mbRetry: return QStringLiteral("&Retry");
    case mbIgnore: return QStringLiteral("&Ignore");
    case mbAll: return QStringLiteral("&All");
    case mbNoToAll: return QStringLiteral("N&o to All");
    case mbYesToAll: return QStringLiteral("Yes to &All");
    case mbHelp: return QStringLiteral("&Help");
    case mbClose: return QStringLiteral("&Close");
    }
    return String();
}

TModalResult MsgDlgButtonResult(TMsgDlgBtn Button)
{
    switch (Button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbClose: return mrClose;
    default: return mrNone;
    }
}

TMsgDlgBtn MsgDlgDefaultButton(TMsgDlgButtons Buttons)
{
    if (Buttons.Contains(mbOK))
        return mbOK;
    if (Buttons.Contains(mbYes))
        return mbYes;
    for (TMsgDlgBtn b : kButtonOrder)
        if (Buttons.Contains(b))
            return b;
    return mbOK;
}

TModalResult MsgDlgEscapeResult(TMsgDlgButtons Buttons)
{
    if (Buttons.Contains(mbCancel))
        return mrCancel;
    if (Buttons.Contains(mbNo))
        return mrNo;
    if (Buttons.Contains(mbOK))
        return mrOk;
    return mrCancel;
}

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    return CreateMessageDialog(Msg, DlgType, Buttons, MsgDlgDefaultButton(Buttons));
}

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton)
{
    if (Buttons.Empty())
        Buttons = TMsgDlgButtons{mbOK};
    auto* form = new TForm(nullptr);
    form->SetName(QStringLiteral("MessageForm"));
    form->SetBorderStyle(bsDialog);
    form->SetBorderIcons({biSystemMenu});
    form->SetPosition(poScreenCenter);
    form->SetCaption(MsgDlgCaption(DlgType));

    constexpr int margin = 12, iconSize = 32, gap = 12, buttonHeight = 23, buttonGap = 6, maxTextWidth = 360;
    TCanvas measure;
    measure.Font().Assign(form->Font());
    const unsigned textFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
    TRect textRect = Rect(0, 0, maxTextWidth, 0);
    measure.DrawText(textRect, Msg.isEmpty() ? QStringLiteral(" ") : Msg, textFlags | DT_CALCRECT);

    const bool hasIcon = DlgType != mtCustom;
    int textLeft = margin, textTop = margin;
    if (hasIcon) {
        auto* icon = new TMessageIcon(form, DlgType);
        icon->SetName(QStringLiteral("Image"));
        icon->SetBounds(margin, margin, iconSize, iconSize);
        icon->SetParent(form);
        textLeft = margin + iconSize + gap;
        if (textRect.Height() < iconSize)
            textTop = margin + (iconSize - textRect.Height()) / 2;
    }
    auto* label = new TLabel(form);
    label->SetName(QStringLiteral("Message"));
    label->SetShowAccelChar(false);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(textLeft, textTop, textRect.Width() + 1, textRect.Height());
    label->SetCaption(Msg);
    label->SetParent(form);

    // Buttons in the platform's order, centred under the text.
    std::vector<TButton*> buttons;
    int rowWidth = 0;
    for (TMsgDlgBtn b : kButtonOrder) {
        if (!Buttons.Contains(b))
            continue;
        auto* button = new TButton(form);
        button->SetName(buttonName(b));
        button->SetCaption(MsgDlgButtonCaption(b));
        TRect m = Rect(0, 0, 0, 0);
        measure.DrawText(m, button->Caption(), DT_SINGLELINE | DT_CALCRECT);
        button->SetBounds(0, 0, std::max(75, m.Width() + 16), buttonHeight);
        button->SetModalResult(MsgDlgButtonResult(b));
        buttons.push_back(button);
        rowWidth += button->Width();
    }
    rowWidth += buttonGap * int(buttons.size() - 1);
    const int contentBottom = std::max(textTop + textRect.Height(), hasIcon ? margin + iconSize : 0);
    const int buttonTop = contentBottom + 16;
    const int clientWidth = std::max({textLeft + textRect.Width() + margin, rowWidth + 2 * margin, 180});
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(buttonTop + buttonHeight + margin);
    int x = (clientWidth - rowWidth) / 2;
    const TModalResult escape = MsgDlgEscapeResult(Buttons);
    for (TButton* b : buttons) {
        b->SetLeft(x);
        b->SetTop(buttonTop);
        b->SetParent(form);
        x += b->Width() + buttonGap;
        if (b->Name() == buttonName(DefaultButton)) {
            b->SetDefault(true);
            form->SetActiveControl(b);
        }
        if (b->ModalResult() == escape)
            b->SetCancel(true);
    }
    return form;
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx)
{
    return MessageDlg(Msg, DlgType, Buttons, HelpCtx, MsgDlgDefaultButton(Buttons));
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int, TMsgDlgBtn DefaultButton)
{
    if (Buttons.Empty())
        Buttons = TMsgDlgButtons{mbOK};
    CancelMode();
    if (TMessageBoxHandler* h = MessageBoxHandler())
        return h->Show({DlgType, MsgDlgCaption(DlgType), Msg, Buttons, DefaultButton});
    TForm* form = CreateMessageDialog(Msg, DlgType, Buttons, DefaultButton);
    struct Free {
        TForm* f;
        ~Free() { f->Free(); }
    } free{form};
    return form->ShowModal();
}

void ShowMessage(const String& Msg) { MessageDlg(Msg, mtCustom, TMsgDlgButtons{mbOK}); }

// ---- file dialogs -------------------------------------------------------------------------------

TFileDialogHandler* FileDialogHandler() { return g_fileHandler; }

TFileDialogHandler* SetFileDialogHandler(TFileDialogHandler* Handler)
{
    TFileDialogHandler* old = g_fileHandler;
    g_fileHandler = Handler;
    return old;
}

std::vector<TFileFilter> ParseFileFilter(const String& Filter)
{
    std::vector<TFileFilter> out;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        TFileFilter f;
        f.Description = parts[i];
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            f.Patterns.append(p.trimmed());
        out.push_back(f);
    }
    return out;
}

QStringList FileFilterToQt(const String& Filter)
{
    QStringList out;
    for (const TFileFilter& f : ParseFileFilter(Filter)) {
        const String patterns = f.Patterns.join(QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of the text.
        if (f.Description.trimmed().endsWith(QStringLiteral("(") + patterns + QStringLiteral(")")))
            out.append(f.Description.trimmed());
        else
            out.append(f.Description.trimmed() + QStringLiteral(" (") + patterns + QStringLiteral(")"));
    }
    return out;
}

String NormalizeDefaultExt(const String& DefaultExt)
{
    String e = DefaultExt.trimmed();
    if (e.startsWith(QLatin1Char('*')))
        e.remove(0, 1);
    if (e.startsWith(QLatin1Char('.')))
        e.remove(0, 1);
    return e;
}

String ApplyDefaultExt(const String& FileName, const String& DefaultExt)
{
    const String ext = NormalizeDefaultExt(DefaultExt);
    if (ext.isEmpty() || FileName.isEmpty())
        return FileName;
    const qsizetype slash = std::max(FileName.lastIndexOf(QLatin1Char('/')), FileName.lastIndexOf(QLatin1Char('\\')));
    const String name = FileName.mid(slash + 1);
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        return FileName;
    return FileName + QLatin1Char('.') + ext;
}

namespace {

TFileDialogAnswer runQtDialog(const TFileDialogRequest& R)
{
    QWidget* parent = nullptr;
    if (TCustomForm* f = GetActiveForm())
        parent = f->Widget();
    QFileDialog dlg(parent, R.Title, R.InitialDir);
    dlg.setAcceptMode(R.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (R.Save)
        dlg.setFileMode(QFileDialog::AnyFile);
    else if (R.Options.Contains(ofAllowMultiSelect))
        dlg.setFileMode(QFileDialog::ExistingFiles);
    else
        dlg.setFileMode(R.Options.Contains(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The overwrite question and the default extension are ours.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = FileFilterToQt(R.Filter);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        dlg.selectNameFilter(filters[std::clamp(R.FilterIndex, 1, int(filters.size())) - 1]);
    }
    if (!R.FileName.isEmpty())
        dlg.selectFile(R.FileName);
    TFileDialogAnswer a;
    if (dlg.exec() != QDialog::Accepted)
        return a;
    a.Accepted = true;
    a.FileNames = dlg.selectedFiles();
    const int i = int(filters.indexOf(dlg.selectedNameFilter()));
    a.FilterIndex = i >= 0 ? i + 1 : 0;
    return a;
}

}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Acceptable(const QStringList& Names)
{
    for (const QString& name : Names) {
        const QFileInfo info(name);
        if (options_.Contains(ofPathMustExist) || options_.Contains(ofFileMustExist)) {
            if (!info.absoluteDir().exists()) {
                MessageDlg(name + QStringLiteral("\nPath does not exist.\nCheck the path and try again."), mtWarning,
                           TMsgDlgButtons{mbOK});
                return false;
            }
        }
        if (!IsSave() && options_.Contains(ofFileMustExist) && !info.exists()) {
            MessageDlg(name + QStringLiteral("\nFile not found.\nCheck the file name and try again."), mtWarning,
                       TMsgDlgButtons{mbOK});
            return false;
        }
        if (IsSave() && options_.Contains(ofOverwritePrompt) && info.exists()) {
            if (MessageDlg(name + QStringLiteral(" already exists.\nDo you want to replace it?"), mtWarning, mbYesNo) !=
                mrYes)
                return false;
        }
    }
    return true;
}

bool TOpenDialog::Execute()
{
    CancelMode();
    TFileDialogRequest request;
    request.Save = IsSave();
    request.Title = title_;
    request.Filter = filter_;
    request.FilterIndex = filterIndex_;
    request.InitialDir = initialDir_;
    request.FileName = fileName_;
    request.DefaultExt = defaultExt_;
    request.Options = options_;
    for (;;) {
        TFileDialogHandler* handler = FileDialogHandler();
        const TFileDialogAnswer answer = handler ? handler->Run(request) : runQtDialog(request);
        if (!answer.Accepted || answer.FileNames.isEmpty())
            return false;
        QStringList names;
        for (const QString& chosen : answer.FileNames) {
            String name = ApplyDefaultExt(chosen, defaultExt_);
            if (QFileInfo(name).isRelative())
                name = QDir(initialDir_.isEmpty() ? QDir::currentPath() : initialDir_).filePath(name);
            names.append(QDir::cleanPath(name));
        }
        if (answer.FilterIndex > 0)
            request.FilterIndex = answer.FilterIndex;
        if (!Acceptable(names)) {
            request.FileName = names.front();
            continue;
        }
        files_ = names;
        fileName_ = names.front();
        filterIndex_ = request.FilterIndex;
        return true;
    }
}
