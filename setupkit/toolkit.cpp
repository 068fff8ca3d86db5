#include "toolkit.h"

#include "answers.h"
#include "guifrontend.h"
#include "inf.h"
#include "paths.h"
#include "progmenu.h"
#include "safefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>

#include <unistd.h>

namespace setupkit {

namespace {

struct Group {
    bool everyone = false;
    QString baseName;
};

// The toolkit's whole state: one installation per process.
struct Toolkit {
    UniqueFd lock;
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<Frontend> frontend;
    bool installing = false;
    SymbolTable symbols;
    std::optional<Inf> inf;
    std::vector<CopyItem> copyList;
    int gaugeScale = 100;
    int gaugeShare = 100;
    std::map<QString, Group> groups;
};

Toolkit& kit()
{
    static Toolkit toolkit;
    return toolkit;
}

void complain(const QString& text)
{
    std::fprintf(stderr, "setup: %s\n", qPrintable(text));
}

QString withSlash(const QString& dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

// Held while a setup of this user runs; empty when another one holds it. A
// lock that cannot be made at all (no folder for it) stops nobody.
std::optional<UniqueFd> takeSetupLock()
{
    return takeLock(lockFolder(), QStringLiteral("tablewright-setup-%1.lock").arg(::geteuid()));
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The group made by this run, else one already on the menu (this user's first).
std::optional<Group> findGroup(const QString& name)
{
    if (auto it = kit().groups.find(name); it != kit().groups.end())
        return it->second;
    for (bool everyone : {false, true}) {
        const Group group{everyone, entryBaseName(name)};
        if (QFileInfo::exists(menuPlaces(everyone).mergedMenus + u'/' + group.baseName + QStringLiteral(".menu")))
            return group;
    }
    return std::nullopt;
}

QString menuPath(const Group& group)
{
    return menuPlaces(group.everyone).mergedMenus + u'/' + group.baseName + QStringLiteral(".menu");
}

QStringList launchersOf(const Group& group)
{
    QFile menu(menuPath(group));
    return menu.open(QIODevice::ReadOnly) ? menuFileLaunchers(menu.read(maxInfBytes)) : QStringList{};
}

bool writeMenu(const QString& name, const Group& group, const QStringList& launchers)
{
    return writeFileWhole(menuPath(group),
                          menuFile(name, group.baseName + QStringLiteral(".directory"), launchers));
}

} // namespace

int initFrame(int& argc, char** argv)
{
    Toolkit& k = kit();
    if (k.app)
        return 0;
    QString responses;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == u"--responses" && i + 1 < argc && responses.isEmpty()) {
            responses = QString::fromLocal8Bit(argv[++i]);
        } else {
            complain(QStringLiteral("unknown argument \"%1\"; the only one is --responses FILE").arg(arg));
            return -1;
        }
    }
    if (responses.isEmpty() && !hasDisplay()) {
        complain(QStringLiteral("no display; run with --responses FILE to install unattended"));
        return -1;
    }
    std::optional<UniqueFd> lock = takeSetupLock();
    if (!lock) {
        complain(QStringLiteral("another setup is running"));
        return 0;
    }
    k.lock = std::move(*lock);
    if (!responses.isEmpty()) {
        k.frontend = AnswerFrontend::fromFile(responses);
        if (!k.frontend) {
            complain(QStringLiteral("cannot read the responses in \"%1\"").arg(responses));
            k.lock = UniqueFd();
            return -1;
        }
        k.app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        k.app = std::make_unique<QApplication>(argc, argv);
        k.frontend = GuiFrontend::create();
        if (!k.frontend) {
            complain(QStringLiteral("the dialog library setupdlg is missing or incomplete"));
            k.app.reset();
            k.lock = UniqueFd();
            return -1;
        }
    }
    return 1;
}

QCoreApplication* frameInstance()
{
    return kit().app.get();
}

QWidget* frameWindow()
{
    auto* gui = dynamic_cast<GuiFrontend*>(kit().frontend.get());
    return gui ? gui->frame() : nullptr;
}

bool setFrameTitle(const QString& title)
{
    if (!kit().frontend)
        return false;
    kit().frontend->setTitle(title);
    return true;
}

void terminateFrame()
{
    Toolkit& k = kit();
    if (k.frontend)
        k.frontend->closeDialogs(-1);
    k.frontend.reset();
    k.app.reset();
    k.lock = UniqueFd();
}

bool initInstall(QCoreApplication* instance, QWidget* window)
{
    Toolkit& k = kit();
    if (!k.app || instance != k.app.get() || window != frameWindow())
        return false;
    k.installing = true;
    return true;
}

void terminateInstall()
{
    Toolkit& k = kit();
    k.installing = false;
    k.inf.reset();
    k.copyList.clear();
}

bool setSymbol(const QString& name, const QString& value)
{
    if (name.isEmpty())
        return false;
    kit().symbols.insert(name, value);
    return true;
}

int readSymbol(const QString& name, QString& value, int bufferSize)
{
    const QString whole = kit().symbols.value(name);
    value = whole.left(qMax(0, bufferSize - 1));
    return int(whole.size());
}

bool openInf(const QString& path)
{
    Toolkit& k = kit();
    if (!k.installing || !QDir::isAbsolutePath(path))
        return false;
    k.inf = readInf(path);
    if (!k.inf)
        return false;
    k.symbols.insert(QStringLiteral("STF_SRCDIR"), withSlash(QFileInfo(path).absolutePath()));
    return true;
}

bool clearCopyList()
{
    kit().copyList.clear();
    return kit().installing;
}

bool addSectionToCopyList(const QString& section, const QString& sourceDir, const QString& destinationDir)
{
    Toolkit& k = kit();
    const QStringList* names = k.inf ? k.inf->section(section) : nullptr;
    if (!names || !QDir::isAbsolutePath(sourceDir) || !QDir::isAbsolutePath(destinationDir))
        return false;
    std::vector<CopyItem> items;
    for (const QString& name : *names) {
        // A link could lead the copy out of the distribution folder.
        const QString source = withSlash(sourceDir) + name;
        const QFileInfo info(source);
        if (!isPlainFileName(name) || !info.isFile() || info.isSymLink())
            return false;
        items.push_back({source, withSlash(destinationDir) + name});
    }
    k.copyList.insert(k.copyList.end(), items.begin(), items.end());
    return true;
}

bool setCopyGauge(int scale, int share)
{
    if (scale <= 0 || share <= 0 || share > scale)
        return false;
    kit().gaugeScale = scale;
    kit().gaugeShare = share;
    return true;
}

int copyFilesInCopyList()
{
    Toolkit& k = kit();
    if (!k.installing || !k.frontend)
        return copyWriteFailed;
    return k.frontend->copy(k.copyList, k.gaugeScale, k.gaugeShare);
}

void showWaitCursor()
{
    if (kit().frontend)
        kit().frontend->setWaitCursor(true);
}

void restoreCursor()
{
    if (kit().frontend)
        kit().frontend->setWaitCursor(false);
}

bool runDialog(int templateId, const char* procName, int helpTemplate)
{
    Toolkit& k = kit();
    return k.frontend && k.frontend->runDialog(templateId, QString::fromLatin1(procName), helpTemplate, k.symbols);
}

void closeDialogs(int levels)
{
    if (kit().frontend && levels > 0)
        kit().frontend->closeDialogs(levels);
}

void closeAllDialogs()
{
    if (kit().frontend)
        kit().frontend->closeDialogs(-1);
}

void stopMessage(const QString& text, const QString& title)
{
    if (kit().frontend)
        kit().frontend->stopMessage(text, title);
    else
        complain(title + QStringLiteral(": ") + text);
}

bool pumpMessages()
{
    if (!kit().frontend)
        return true;
    QCoreApplication::processEvents();
    return !kit().frontend->takeQuitRequest();
}

bool createGroup(const QString& group, const QString& groupFile, int common)
{
    if (group.trimmed().isEmpty() || (!groupFile.isEmpty() && !isPlainFileName(groupFile)))
        return false;
    Group made{common != 0 && installsForEveryone(),
               groupFile.isEmpty() ? entryBaseName(group) : QFileInfo(groupFile).completeBaseName()};
    if (made.baseName.isEmpty())
        return false;
    const QString directory = menuPlaces(made.everyone).directories + u'/' + made.baseName + QStringLiteral(".directory");
    if (!writeFileWhole(directory, directoryEntry(group)) || !writeMenu(group, made, launchersOf(made)))
        return false;
    kit().groups[group] = made;
    return true;
}

bool showGroup(const QString& group, const QString& showCommand, int)
{
    // The desktop's menu watches these folders itself; showing the group
    // means making sure it is in place.
    const auto found = findGroup(group);
    return found && !showCommand.isEmpty() && QFileInfo(menuPath(*found)).isFile();
}

bool createItem(const QString& group, const QString& item, const QString& commandLine, int maxChars,
                const QString& iconFile)
{
    const auto found = findGroup(group);
    const QString iconPart = iconFile.isEmpty() ? QString() : u',' + iconFile;
    if (!found || item.trimmed().isEmpty() || commandLine.size() > maxChars || !commandLine.endsWith(iconPart))
        return false;
    const QString target = commandLine.chopped(iconPart.size());
    const QFileInfo info(target);
    if (!info.isAbsolute() || !info.isFile())
        return false;
    const QString launcher = entryBaseName(group, item) + QStringLiteral(".desktop");
    if (!writeFileWhole(menuPlaces(found->everyone).applications + u'/' + launcher,
                        launcherEntry(item, target, info.isExecutable(), iconFile)))
        return false;
    QStringList launchers = launchersOf(*found);
    if (!launchers.contains(launcher))
        launchers.append(launcher);
    return writeMenu(group, *found, launchers);
}

void* loadLibraryByName(const QString& name)
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/lib") + name + QStringLiteral(".so");
    auto library = std::make_unique<QLibrary>(QFileInfo(beside).isFile() ? beside : name);
    return library->load() ? library.release() : nullptr;
}

QFunctionPointer resolveFunction(void* library, const char* name)
{
    return library ? static_cast<QLibrary*>(library)->resolve(name) : nullptr;
}

void freeLibrary(void* library)
{
    if (auto* lib = static_cast<QLibrary*>(library)) {
        lib->unload();
        delete lib;
    }
}

} // namespace setupkit
