#include "app/core/Settings.h"

#include "app/core/UComon.h"
#include "platform/os/files.h"
#include "platform/xml/xml.h"

namespace {

const char* const kDefaultIP = "192.168.2.205";
const char* const kDefaultLanguage = "English";

// One leaf of the settings tree: group, leaf, and where its value lives.
struct Text_Setting {
    const char* Group;
    const char* Leaf;
    String* Value;
    const char* Default;
};

struct Flag_Setting {
    const char* Leaf;
    bool* Value;
};

const char* const kFlagGroup = "lastinternet";

std::vector<Text_Setting> text_settings()
{
    return {
        {"lastproj", "projectname", &Project_Name, ""},
        {"lastipadd", "ipaddress", &Last_IP_Address, kDefaultIP},
        {"lastlang", "language", &Language_Name, kDefaultLanguage},
    };
}

std::vector<Flag_Setting> flag_settings()
{
    return {
        {"enable_internet", &Opt_Enable_Internet},
        {"enable_update", &Opt_Enable_Update},
        {"enable_jump_field_tables", &Opt_Jump_Field_Tables},
        {"Double_Click_Auto_Size", &Opt_Double_Click_Auto_Size},
    };
}

// The leaf element Group/Leaf below the root, null when either is missing.
XmlNode find_leaf(const XmlNode& Root, const char* Group, const char* Leaf)
{
    const XmlNode group = Root.ChildNode(QString::fromLatin1(Group));
    return group ? group.ChildNode(QString::fromLatin1(Leaf)) : XmlNode();
}

void set_defaults()
{
    for (const Text_Setting& s : text_settings())
        *s.Value = QString::fromLatin1(s.Default);
    for (const Flag_Setting& f : flag_settings())
        *f.Value = false;
}

}  // namespace

String Settings_File() { return Path_Join(Exe_Dir, QStringLiteral("Tessaran.xml")); }

void Read_Settings()
{
    set_defaults();
    if (!File_Exists(Settings_File())) {
        Project_Dir.clear();
        return;
    }
    XmlDocument doc;
    if (!doc.LoadFromFile(Settings_File()))
        return;  // not well-formed: every value keeps its default
    const XmlNode root = doc.DocumentElement();
    if (!root)
        return;
    for (const Text_Setting& s : text_settings()) {
        const XmlNode leaf = find_leaf(root, s.Group, s.Leaf);
        if (leaf)
            *s.Value = leaf.Text();
    }
    for (const Flag_Setting& f : flag_settings()) {
        const XmlNode leaf = find_leaf(root, kFlagGroup, f.Leaf);
        *f.Value = leaf && leaf.Text() == QLatin1String("1");
    }
}

bool Save_Setting(String* Error)
{
    XmlDocument doc;
    XmlNode root = doc.CreateRoot(QStringLiteral("Conf_Settings"));
    for (const Text_Setting& s : text_settings())
        root.AddChild(QString::fromLatin1(s.Group)).AddChild(QString::fromLatin1(s.Leaf)).AddText(*s.Value);
    XmlNode flags = root.AddChild(QString::fromLatin1(kFlagGroup));
    for (const Flag_Setting& f : flag_settings())
        flags.AddChild(QString::fromLatin1(f.Leaf)).AddText(*f.Value ? QStringLiteral("1") : QStringLiteral("0"));
    try {
        doc.SaveToFile(Settings_File());
    } catch (const Exception& e) {
        if (Error)
            *Error = e.Message();
        return false;
    }
    return true;
}
