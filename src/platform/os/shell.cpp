#include "platform/os/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

std::unique_ptr<Shell_Opener>& current()
{
    static std::unique_ptr<Shell_Opener> opener = std::make_unique<Desktop_Shell_Opener>();
    return opener;
}

}  // namespace

Shell_Opener::~Shell_Opener() = default;

bool Desktop_Shell_Opener::Open(const String& target)
{
    // fromUserInput tells "http://..." and "www.x.com" from file paths; an
    // existing file relative to the current directory counts as a file.
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath());
    return url.isValid() && QDesktopServices::openUrl(url);
}

Shell_Opener& Shell()
{
    return *current();
}

void Set_Shell_Opener(std::unique_ptr<Shell_Opener> opener)
{
    current() = opener ? std::move(opener) : std::make_unique<Desktop_Shell_Opener>();
}

bool Shell_Open(const String& target)
{
    return Shell().Open(target);
}
