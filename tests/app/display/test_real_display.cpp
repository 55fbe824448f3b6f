// The program's windows on a real X server: what the server shows in a
// window's place (the root window's pixels there, not the window's own
// picture of itself) must be the picture the window paints offscreen.
//
// The program starts its own Xvfb and runs every scenario twice on the xcb
// platform: once with no window manager and once under openbox. A scenario
// is one row of kScenarios: it starts the program's forms in a temporary
// directory, shows the main window and uses the main window's real buttons;
// every modal form that comes up (dialogs, message boxes) and every file
// dialog is compared on the screen and then closed through its own Cancel or
// OK button. VYN_RENDER_DIR=<dir> keeps both pictures of every window; a
// window that does not match leaves them in real_display_failures/ beside
// the test.
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "app/core/UComon.h"
#include "app/shell/Program_Start.h"
#include "app/shell/UTessaraneFirmWare.h"
#include "grid/core/grid_startup.h"
#include "controls/dropdown/display/dropdown_display_check.h"
#include "controls/dropdown/display/picker_display_check.h"
#include "controls/dropdown/display/kinds_display_check.h"
#include "grid/interact/display/grid_display_check.h"
#include "controls/dropdown/display/multicolumn_display_check.h"
#include "grid/data/display/filter_display_check.h"
#include "controls/dropdown/display/griddropdown_display_check.h"
#include "platform/display/popup_display_check.h"
#include "platform/os/files.h"
#include "platform/testing/test_kit.h"
#include "support/temp_dir.h"
#include "x_session.h"

namespace {

XSession* g_session = nullptr;
constexpr int kScreenWidth = 1280, kScreenHeight = 1024;

// ---- pictures -------------------------------------------------------------------------------------

// The root window's pixels at R, as the X server has them.
QImage screenAt(const QRect& R)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0, R.x(), R.y(), R.width(), R.height()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels where any channel differs by more than 2.
int differingPixels(const QImage& A, const QImage& B)
{
    if (A.size() != B.size())
        return A.width() * A.height() + 1;
    int n = 0;
    for (int y = 0; y < A.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(A.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(B.constScanLine(y));
        for (int x = 0; x < A.width(); ++x)
            n += std::abs(qRed(a[x]) - qRed(b[x])) > 2 || std::abs(qGreen(a[x]) - qGreen(b[x])) > 2 ||
                 std::abs(qBlue(a[x]) - qBlue(b[x])) > 2;
    }
    return n;
}

QImage differenceImage(const QImage& A, const QImage& B)
{
    QImage d(A.size(), QImage::Format_RGB32);
    d.fill(Qt::white);
    if (A.size() != B.size())
        return d;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x)
            if (A.pixel(x, y) != B.pixel(x, y))
                d.setPixel(x, y, qRgb(255, 0, 0));
    return d;
}

QString keepDir()
{
    const char* keep = std::getenv("VYN_RENDER_DIR");
    return keep && *keep ? QString::fromLocal8Bit(keep) : QString();
}

String fileSafe(String S)
{
    for (QChar& c : S)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return S;
}

// ---- the run ---------------------------------------------------------------------------------------

struct RealDisplay;

// One scenario: a name and what it does with the program.
struct TScenario {
    const char* Name;
    std::function<void(RealDisplay&)> Run;
};

struct RealDisplay : ::testing::TestWithParam<TScenario> {
    TestKit::InputStateScope input;
    // The layer's timers stand still: nothing animates between the two
    // pictures (Qt's own timers, e.g. of a file dialog, still run).
    TestKit::FakeClock clock;
    TestKit::ModalFormDriver modal;
    TempDir dir;
    std::unique_ptr<TComponent> owner;
    // What to do inside a modal form of this name before it is closed.
    std::map<String, std::function<void(TForm&)>> inside;
    // The windows compared, by name ("QFileDialog" for file dialogs).
    QStringList compared;
    String suite;

    void SetUp() override
    {
        suite = QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_suite()->name());
        ASSERT_EQ(suite.contains(QLatin1String("Openbox")), g_session->WindowManagerRunning());
        QCursor::setPos(kScreenWidth - 1, kScreenHeight - 1);  // away from every window
        Set_Program_Base_Dir(dir.path());
        modal.WhenClass<TForm>([this](TForm& f) { OnModal(f); });
    }
    void TearDown() override
    {
        owner.reset();
        Forget_Forms();
        Set_Program_Base_Dir(String());
        QApplication::processEvents();
    }

    // ---- the program

    // Creates the program's forms as at start; with Configuration, that
    // configuration exists and is the one open at start.
    void StartProgram(const String& Configuration = String())
    {
        if (!Configuration.isEmpty()) {
            ASSERT_TRUE(Force_Directories(Path_Join(Path_Join(dir.file("PROJECTS"), Configuration), "bin")));
            dir.write("Tessaran.xml", ("<Conf_Settings><lastproj><projectname>" + Configuration +
                                       "</projectname></lastproj><lastlang><language>English</language></lastlang>"
                                       "</Conf_Settings>")
                                          .toUtf8());
        }
        owner = std::make_unique<TComponent>(nullptr);
        Create_Forms(owner.get());
        if (!Configuration.isEmpty()) {
            ASSERT_FALSE(Project_Dir.isEmpty());
        }
    }
    TFTessaraneFirmWare& Main() { return *FTessaraneFirmWare; }

    void ShowMain()
    {
        Main().Show();
        ExpectOnScreen(&Main());
    }

    // Clicks the button as the user does (press and release on it).
    static void Press(TControl* Button) { TestKit::Click(Button, Button->Width() / 2, Button->Height() / 2); }

    // Every visible button of the main window but the one that ends the
    // program, in tab order; file dialogs are compared and cancelled too.
    void PressEveryButton()
    {
        std::vector<TLbButton*> buttons;
        for (int i = 0; i < Main().ComponentCount(); ++i)
            if (auto* b = dynamic_cast<TLbButton*>(Main().Components(i)); b && b != Main().Btn_Close)
                buttons.push_back(b);
        for (TLbButton* b : buttons) {
            if (!b->Visible() || !b->Enabled() || !Main().Visible())
                continue;
            SCOPED_TRACE(b->Name().toStdString());
            WithFileDialogs([&] { Press(b); });
        }
    }

    // Runs Action; a file dialog it opens is compared and cancelled.
    void WithFileDialogs(const std::function<void()>& Action)
    {
        QTimer watch;
        watch.setInterval(20);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            watch.stop();
            ExpectOnScreen(dialog, QStringLiteral("QFileDialog"), [dialog] {
                return dialog->grab().toImage();
            });
            dialog->reject();
        });
        watch.start();
        Action();
        watch.stop();
    }

    void ExpectSeen(const std::vector<String>& Names)
    {
        for (const String& n : Names)
            EXPECT_TRUE(compared.contains(n))
                << n.toStdString() << " was not shown; compared: " << compared.join(", ").toStdString();
    }

    // ---- modal forms

    void OnModal(TForm& Form)
    {
        TWeakRef<TForm> form(&Form);
        ExpectOnScreen(&Form);
        if (auto it = inside.find(Form.Name()); it != inside.end() && form)
            it->second(Form);
        if (form && Form.ModalResult() == mrNone)
            CloseByButton(Form);
    }

    // The form's Cancel button, else its only or OK button, else its
    // window's close button.
    static void CloseByButton(TForm& Form)
    {
        for (const char* name : {"Btn_Cancel", "Cancel", "OK", "LbButton1", "Btn_Close"})
            if (auto* c = dynamic_cast<TControl*>(Form.FindComponent(QString::fromLatin1(name)));
                c && c->Visible() && c->Enabled()) {
                Press(c);
                if (Form.ModalResult() != mrNone)
                    return;
            }
        Form.Close();
    }

    // ---- the comparison

    void ExpectOnScreen(TWinControl* Form)
    {
        ExpectOnScreen(Form->Widget(), Form->Name(), [Form] {
            return TestKit::RenderToImage(Form);
        });
    }

    // Waits (up to 20 s) until the X server shows at the window's place what
    // Render paints; a caret's worth of pixels may differ.
    void ExpectOnScreen(QWidget* Window, const String& Name, const std::function<QImage()>& Render)
    {
        compared.push_back(Name);
        QImage onScreen, rendered;
        QRect where;
        int differing = -1, allowed = 0;
        QElapsedTimer time;
        time.start();
        do {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            QApplication::sendPostedEvents();
            QThread::msleep(20);
            if (!Window->isVisible())
                continue;
            where = QRect(Window->mapToGlobal(QPoint(0, 0)), Window->size());
            rendered = Render().convertToFormat(QImage::Format_RGB32);
            onScreen = screenAt(where);
            allowed = std::max(24, where.width() * where.height() / 1000);
            differing = differingPixels(onScreen, rendered);
        } while ((differing < 0 || differing > allowed) && time.elapsed() < 20000);

        const String stem = fileSafe(suite + QLatin1Char('_') +
                                     QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                                     QLatin1Char('_') + QString::number(compared.size()) + QLatin1Char('_') + Name);
        auto save = [&](const QString& Dir) {
            QDir().mkpath(Dir);
            onScreen.save(Dir + QLatin1Char('/') + stem + QStringLiteral("_screen.png"));
            rendered.save(Dir + QLatin1Char('/') + stem + QStringLiteral("_rendered.png"));
            return Dir + QLatin1Char('/') + stem;
        };
        if (!keepDir().isEmpty() && !onScreen.isNull())
            save(keepDir());
        if (differing >= 0 && differing <= allowed)
            return;
        String saved;
        if (!onScreen.isNull()) {
            saved = save(QDir::current().filePath(QStringLiteral("real_display_failures")));
            differenceImage(onScreen, rendered).save(saved + QStringLiteral("_difference.png"));
        }
        ADD_FAILURE() << Name.toStdString() << ": the screen at (" << where.x() << ", " << where.y() << ", "
                      << where.width() << " x " << where.height() << ") differs from the window's own picture in "
                      << differing << " pixels (allowed " << allowed << ")"
                      << (Window->isVisible() ? "" : "; the window is not visible") << "; pictures: "
                      << saved.toStdString() << "_*.png";
    }
};

// ---- the scenarios -----------------------------------------------------------------------------------

const TScenario kScenarios[] = {
    {"MainWindow", [](RealDisplay& t) {
         t.StartProgram();
         t.ShowMain();
     }},
    // No configuration open: the dialogs of the tool bar and step 1, and the
    // message box every other step gives.
    {"EveryButtonWithoutConfiguration", [](RealDisplay& t) {
         t.StartProgram();
         t.ShowMain();
         t.PressEveryButton();
         t.ExpectSeen({"FAbout", "FSoftOptions", "FNew_Project", "FOpenConf", "MessageForm"});
         t.ExpectOnScreen(&t.Main());
     }},
    // A configuration open: every dialog and file dialog the steps reach.
    {"EveryButtonWithConfiguration", [](RealDisplay& t) {
         t.StartProgram("Plant_A");
         t.ShowMain();
         t.PressEveryButton();
         t.ExpectSeen({"FAbout", "FSoftOptions", "FNew_Project", "FOpenConf", "FParGen", "QFileDialog"});
         t.ExpectOnScreen(&t.Main());
     }},
    // A message box over a dialog: OK on a new configuration without a name.
    {"MessageBoxOverADialog", [](RealDisplay& t) {
         t.StartProgram();
         t.ShowMain();
         t.inside[QStringLiteral("FNew_Project")] = [](TForm& f) {
             RealDisplay::Press(static_cast<TControl*>(f.FindComponent(QStringLiteral("Btn_OK"))));
         };
         RealDisplay::Press(t.Main().Btn_New);
         EXPECT_EQ(t.compared.join(QLatin1Char(' ')), "FTessaraneFirmWare FNew_Project MessageForm");
     }},
};

std::string scenarioName(const ::testing::TestParamInfo<TScenario>& Info) { return Info.param.Name; }

// Without a window manager.
struct RealDisplayBare : RealDisplay {
    static void SetUpTestSuite() { g_session->StopWindowManager(); }
};
// Under openbox.
struct RealDisplayOpenbox : RealDisplay {
    static void SetUpTestSuite()
    {
        QString error;
        if (!g_session->StartWindowManager(error))
            std::fprintf(stderr, "%s\n", qPrintable(error));
    }
    static void TearDownTestSuite() { g_session->StopWindowManager(); }
};

}  // namespace

TEST_P(RealDisplayBare, ShowsWhatItPaints) { GetParam().Run(*this); }
TEST_P(RealDisplayOpenbox, ShowsWhatItPaints) { GetParam().Run(*this); }

// A popup form closes on a press outside it, made by a real input device.
void checkPopup()
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckPopupOnDisplay(input, keepDir().toStdString());
}
TEST_F(RealDisplayBare, PopupClosesOnAPressOutside) { checkPopup(); }
TEST_F(RealDisplayOpenbox, PopupClosesOnAPressOutside) { checkPopup(); }

// An overlay window (drop arrows, the focus halo) shows only its region and
// lets a real click through to the window below.
void checkOverlay()
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckOverlayOnDisplay(input, keepDir().toStdString());
}
TEST_F(RealDisplayBare, OverlayWindowLetsInputThrough) { checkOverlay(); }
TEST_F(RealDisplayOpenbox, OverlayWindowLetsInputThrough) { checkOverlay(); }

// The drop-down's popup: shown as painted, closed by its button and by a
// press outside, with real input.
void checkDropDown(TestKit::FakeClock& Clock)
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckDropDownOnDisplay(input, [&](int Ms) { Clock.Advance(Ms); }, keepDir().toStdString());
}
TEST_F(RealDisplayBare, DropDownPopupOnTheScreen) { checkDropDown(clock); }
TEST_F(RealDisplayOpenbox, DropDownPopupOnTheScreen) { checkDropDown(clock); }

// The detail list and the colour and image pickers: each popup shown as
// painted and closed by a real pick.
void checkPickers(TestKit::FakeClock& Clock)
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckPickersOnDisplay(input, [&](int Ms) { Clock.Advance(Ms); }, keepDir().toStdString());
}
TEST_F(RealDisplayBare, PickerPopupsOnTheScreen) { checkPickers(clock); }
TEST_F(RealDisplayOpenbox, PickerPopupsOnTheScreen) { checkPickers(clock); }

// The calculator, time picker and track bar popups: shown as painted.
void checkDropDownKinds(TestKit::FakeClock& Clock)
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckDropDownKindsOnDisplay(input, [&](int Ms) { Clock.Advance(Ms); }, keepDir().toStdString());
}
TEST_F(RealDisplayBare, DropDownKindsOnTheScreen) { checkDropDownKinds(clock); }
TEST_F(RealDisplayOpenbox, DropDownKindsOnTheScreen) { checkDropDownKinds(clock); }

// The grid's search bar, balloon and edit link popup: shown as painted.
void checkGridWindows(TestKit::FakeClock& Clock)
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckGridWindowsOnDisplay(input, [&](int Ms) { Clock.Advance(Ms); }, keepDir().toStdString());
}
TEST_F(RealDisplayBare, GridWindowsOnTheScreen) { checkGridWindows(clock); }
TEST_F(RealDisplayOpenbox, GridWindowsOnTheScreen) { checkGridWindows(clock); }
// The multi-column drop-down: its grid shown as painted, a row found by
// real typing and picked by a real click.
void checkMultiColumn(TestKit::FakeClock& Clock)
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckMultiColumnOnDisplay(input, [&](int Ms) { Clock.Advance(Ms); }, keepDir().toStdString());
}
TEST_F(RealDisplayBare, MultiColumnDropDownOnTheScreen) { checkMultiColumn(clock); }
TEST_F(RealDisplayOpenbox, MultiColumnDropDownOnTheScreen) { checkMultiColumn(clock); }
// The grid's header filter list: shown as painted, hidden by a press
// outside.
void checkFilterList()
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckFilterListOnDisplay(input, keepDir().toStdString());
}
TEST_F(RealDisplayBare, FilterListOnTheScreen) { checkFilterList(); }
TEST_F(RealDisplayOpenbox, FilterListOnTheScreen) { checkFilterList(); }
// The grid drop-down's popup: shown as painted, a row chosen by a real click.
void checkGridDropDown(TestKit::FakeClock& Clock)
{
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    ASSERT_TRUE(input.ClickAt) << "the real-display test needs xdotool (Debian package xdotool) for real input";
    DisplayCheck::CheckGridDropDownOnDisplay(input, [&](int Ms) { Clock.Advance(Ms); }, keepDir().toStdString());
}
TEST_F(RealDisplayBare, GridDropDownOnTheScreen) { checkGridDropDown(clock); }
TEST_F(RealDisplayOpenbox, GridDropDownOnTheScreen) { checkGridDropDown(clock); }

INSTANTIATE_TEST_SUITE_P(Display, RealDisplayBare, ::testing::ValuesIn(kScenarios), scenarioName);
INSTANTIATE_TEST_SUITE_P(Display, RealDisplayOpenbox, ::testing::ValuesIn(kScenarios), scenarioName);

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    XSession session;
    QString error;
    if (!session.Start(kScreenWidth, kScreenHeight, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    g_session = &session;
    qputenv("DISPLAY", session.Display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    int result = 1;
    {
        QApplication app(argc, argv);
        QApplication::setCursorFlashTime(0);  // a steady caret
        VynGridModule::Start();  // as the program's main starts the grids
        result = RUN_ALL_TESTS();
        VynGridModule::End();
    }
    g_session = nullptr;
    return result;
}
