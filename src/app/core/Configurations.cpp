#include "app/core/Configurations.h"

#include "platform/os/files.h"

QStringList List_Configurations(const String& ProjectsDir) { return List_Directories(ProjectsDir); }

int Check_New_Configuration_Name(const String& Name, const String& ProjectsDir)
{
    if (Name.isEmpty() || Name == QLatin1String(".") || Name == QLatin1String(".."))
        return 107;
    for (QChar c : Name)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            return 107;
    for (const String& existing : List_Configurations(ProjectsDir))
        if (SameText(existing, Name))
            return 106;
    if (File_Exists(Path_Join(ProjectsDir, Name)))
        return 106;  // a plain file of that name is in the way
    return 0;
}

int Create_Configuration(const String& Name, const String& ProjectsDir)
{
    const String dir = Path_Join(ProjectsDir, Name);
    if (!Create_Dir(dir))
        return 105;
    Force_Directories(Path_Join(dir, QStringLiteral("bin")));
    return 0;
}
