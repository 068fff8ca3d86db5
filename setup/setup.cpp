// setup: installs quenby. The toolkit shows the dialogs, copies the files and
// makes the program group; this script decides their order, the destination
// and what is copied, and ends the program on any failure.
#include "events.h"

#include <platform/translations.h>
#include <setupkit/paths.h>
#include <setupkit/registry/keys.h>
#include <setupkit/toolkit.h>

#include <QCoreApplication>
#include <QDir>

#include <cstdlib>

namespace sk = setupkit;
using setup::Event;

namespace {

constexpr int pathChars = 256; // 255 characters and the terminating zero
constexpr int eventChars = 15;
constexpr int failedCall = 1024;
constexpr int stoppedByUser = 1025;
constexpr int exitFailed = 1;

const QString groupName = QStringLiteral("Tablewright");

// The registry library's key functions; the extended ones may be absent.
struct Registry {
    void* library = nullptr;
    KeyCloseFn close = nullptr;
    KeyCreateFn create = nullptr;
    KeyDeleteFn remove = nullptr;
    KeyOpenFn open = nullptr;
    KeyQueryValueFn queryValue = nullptr;
    KeySetValueFn setValue = nullptr;
    QFunctionPointer createEx = nullptr, openEx = nullptr, queryValueEx = nullptr, setValueEx = nullptr;
    QFunctionPointer enumKeys = nullptr, queryInfo = nullptr;
};

struct Script {
    QString sourceDir;
    QString destinationDir;
    QString sourceSymbol; // "STF_SRCDIR"
    bool fatalShown = false;
    Registry registry;
};

Script script;

void ReleaseRegistry()
{
    if (script.registry.library)
        sk::freeLibrary(script.registry.library);
    script.registry = {};
}

[[noreturn]] void End(int status)
{
    sk::terminateInstall();
    sk::terminateFrame();
    ReleaseRegistry();
    std::exit(status);
}

[[noreturn]] void FatalExit(int errorCode);

void PumpMessages()
{
    if (!sk::pumpMessages())
        FatalExit(stoppedByUser);
}

QString ReadSymbol(const char* name, int bufferSize)
{
    if (!*name)
        FatalExit(failedCall);
    QString value;
    if (sk::readSymbol(QString::fromLatin1(name), value, bufferSize) >= bufferSize) {
        sk::stopMessage(QCoreApplication::translate("setup", "Buffer Overflow"),
                        QCoreApplication::translate("setup", "Setup Error"));
        FatalExit(failedCall);
    }
    return value;
}

void SetSymbol(const char* name, const QString& value)
{
    if (!sk::setSymbol(QString::fromLatin1(name), value))
        FatalExit(failedCall);
}

Event Ask(int templateId, const char* procName, int helpTemplate = 0)
{
    if (!sk::runDialog(templateId, procName, helpTemplate))
        FatalExit(failedCall);
    PumpMessages();
    return setup::ClassifyEvent(ReadSymbol("DLGEVENT", eventChars).toUtf8());
}

void CloseOneDialog()
{
    sk::closeDialogs(1);
    PumpMessages();
}

void CloseAllDialogs()
{
    sk::closeAllDialogs();
    PumpMessages();
}

// Shows the failure once; a failure while it shows ends at once. Either way
// the program ends with a failure status.
[[noreturn]] void FatalExit(int /*errorCode: a failed call or the user's stop, ended alike*/)
{
    if (!script.fatalShown) {
        script.fatalShown = true;
        CloseAllDialogs();
        for (Event e = Ask(400, "FInfo0DlgProc"); e != Event::Cancel && e != Event::Continue;)
            e = Ask(400, "FInfo0DlgProc");
        CloseOneDialog();
    }
    End(exitFailed);
}

// Returns when the user stays; ends the program when the user leaves.
void ConfirmQuit()
{
    for (;;) {
        switch (Ask(200, "FQuitDlgProc", 900)) {
        case Event::Cancel:
        case Event::Continue:
            CloseOneDialog();
            return;
        case Event::Exit:
            CloseAllDialogs();
            End(EXIT_SUCCESS);
        case Event::Back:
        case Event::Other:
            break;
        }
    }
}

void RejectDestination()
{
    for (;;) {
        const Event e = Ask(6400, "FInfo0DlgProc");
        if (e == Event::Cancel || e == Event::Continue)
            break;
        if (e == Event::Exit)
            ConfirmQuit();
    }
    CloseOneDialog();
}

// Asks until a destination is accepted: an absolute folder ("~/" for the
// home folder) the toolkit can install into, other than the source under any
// name (a link to it would install every file onto itself). Leaving
// is only through the quit confirmation, so nothing is copied unless a
// destination was accepted.
void AskDestination()
{
    SetSymbol("EditTextIn", setup::WithoutTrailingSlash(script.destinationDir));
    SetSymbol("EditFocus", QStringLiteral("END"));
    for (;;) {
        switch (Ask(300, "FEditDlgProc", 900)) {
        case Event::Exit:
        case Event::Cancel:
        case Event::Back:
            ConfirmQuit();
            continue;
        case Event::Other:
            continue;
        case Event::Continue:
            break;
        }
        const QString typed = ReadSymbol("EditTextOut", pathChars);
        const QString folder = QDir::cleanPath(sk::expandHome(typed));
        const QString destination = setup::WithTrailingSlash(folder);
        if (typed.isEmpty() || !sk::isValidDirectory(folder) || destination.size() >= pathChars
            || sk::isSameFolder(destination, script.sourceSymbol)) {
            RejectDestination();
            continue;
        }
        script.destinationDir = destination;
        CloseOneDialog();
        return;
    }
}

bool LoadRegistry()
{
    Registry& r = script.registry;
    r.library = sk::loadLibraryByName(QStringLiteral("setupreg"));
    const auto find = [&](const char* name) { return sk::resolveFunction(r.library, name); };
    r.close = reinterpret_cast<KeyCloseFn>(find("KeyClose"));
    r.create = reinterpret_cast<KeyCreateFn>(find("KeyCreate"));
    r.remove = reinterpret_cast<KeyDeleteFn>(find("KeyDelete"));
    r.open = reinterpret_cast<KeyOpenFn>(find("KeyOpen"));
    r.queryValue = reinterpret_cast<KeyQueryValueFn>(find("KeyQueryValue"));
    r.setValue = reinterpret_cast<KeySetValueFn>(find("KeySetValue"));
    r.createEx = find("KeyCreateEx");
    r.openEx = find("KeyOpenEx");
    r.queryValueEx = find("KeyQueryValueEx");
    r.setValueEx = find("KeySetValueEx");
    r.enumKeys = find("KeyEnum");
    r.queryInfo = find("KeyQueryInfo");
    return r.library && r.close && r.create && r.remove && r.open && r.queryValue && r.setValue;
}

void CreateItem(const QString& item, const QString& commandLine, const QString& iconFile)
{
    const QString line = iconFile.isEmpty() ? commandLine : commandLine + u',' + iconFile;
    if (!sk::createItem(groupName, item, line, 1024, iconFile))
        FatalExit(failedCall);
}

void Install()
{
    sk::showWaitCursor();
    if (!sk::clearCopyList()
        || !sk::addSectionToCopyList(QStringLiteral("Minimum Files"), script.sourceSymbol, script.destinationDir)
        || !sk::setCopyGauge(100, 100))
        FatalExit(failedCall);
    sk::restoreCursor();

    const int copied = sk::copyFilesInCopyList();
    if (copied == 48)
        FatalExit(stoppedByUser);
    if (copied != 0)
        FatalExit(failedCall);

    sk::showWaitCursor();
    if (!sk::createGroup(groupName, QString(), 1) || !sk::showGroup(groupName, QStringLiteral("1"), 1))
        FatalExit(failedCall);
    CreateItem(QStringLiteral("Quenby"), script.destinationDir + QStringLiteral("quenby"), QString());
    CreateItem(QStringLiteral("Quenby Instructions"), script.destinationDir + QStringLiteral("quenby.html"), QString());
    sk::restoreCursor();
    CloseOneDialog();
    ReleaseRegistry();
}

} // namespace

int main(int argc, char** argv)
{
    if (sk::initFrame(argc, argv) != 1)
        return exitFailed;
    platform::installTranslations(QStringLiteral("setup"));
    if (!sk::initInstall(sk::frameInstance(), sk::frameWindow())) {
        sk::terminateFrame();
        return exitFailed;
    }

    // The distribution folder is where setup is started from.
    script.sourceDir = setup::WithTrailingSlash(QDir::currentPath());

    if (!LoadRegistry())
        FatalExit(failedCall);
    if (!sk::setFrameTitle(QCoreApplication::translate("setup", "Tablewright ~ Quenby Setup")))
        FatalExit(failedCall);
    if (!sk::openInf(script.sourceDir + QStringLiteral("SetUp.INF")))
        FatalExit(failedCall);

    // Installed for everyone when run as root, so the menu items work for all.
    script.destinationDir = sk::installsForEveryone() ? QStringLiteral("/opt/Tablewright/Quenby")
                                                      : sk::expandHome(QStringLiteral("~/Tablewright/Quenby"));
    script.sourceSymbol = ReadSymbol("STF_SRCDIR", pathChars);

    AskDestination();
    Install();

    for (Event e = Ask(700, "FInfo0DlgProc"); e == Event::Other;)
        e = Ask(700, "FInfo0DlgProc");
    End(EXIT_SUCCESS);
}
