// Program groups as desktop menu files: names, the quoting of launcher
// commands, the files' exact bytes, what desktop-file-validate says, and
// that the desktop's launcher starts what they name from any folder.
#include <setupkit/progmenu.h>

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

using namespace setupkit;

TEST(ProgramMenu, EntryNames)
{
    EXPECT_EQ(entryBaseName(QStringLiteral("Tablewright")), QStringLiteral("tablewright"));
    EXPECT_EQ(entryBaseName(QStringLiteral("Tablewright"), QStringLiteral("Quenby Instructions")),
              QStringLiteral("tablewright-quenby-instructions"));
    EXPECT_EQ(entryBaseName(QStringLiteral(" Card  Games! "), QStringLiteral("A/B..C")),
              QStringLiteral("card-games-a-b-c"));
}

TEST(ProgramMenu, ExecArgumentsAreQuotedAndEscaped)
{
    const struct {
        const char* path;
        const char* quoted;
    } rows[] = {
        {"/opt/Tablewright/Quenby/quenby", R"("/opt/Tablewright/Quenby/quenby")"},
        {"/home/a b/quenby", R"("/home/a b/quenby")"},
        {"/home/100%/quenby", R"("/home/100%%/quenby")"},
        {R"(/x/"q"/$HOME/`id`/a\b)", R"("/x/\"q\"/\$HOME/\`id\`/a\\b")"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(quoteExecArgument(QString::fromUtf8(row.path)), QString::fromUtf8(row.quoted)) << row.path;
    // The quoted argument is then a string value: its backslashes double again.
    EXPECT_EQ(escapeEntryValue(QStringLiteral(R"("a\\b")")), QStringLiteral(R"("a\\\\b")"));
    EXPECT_EQ(escapeEntryValue(QStringLiteral(" lead\ttab\nline")), QStringLiteral("\\slead\\ttab\\nline"));
}

TEST(ProgramMenu, LauncherDirectoryAndMenuFiles)
{
    EXPECT_EQ(launcherEntry(QStringLiteral("Quenby"), QStringLiteral("/home/a b/Quenby/quenby"), true, {}),
              QByteArray("[Desktop Entry]\nType=Application\nName=Quenby\n"
                         "Exec=\"/home/a b/Quenby/quenby\"\nTryExec=/home/a b/Quenby/quenby\n"
                         "Icon=applications-games\nTerminal=false\n"));
    EXPECT_EQ(launcherEntry(QStringLiteral("Quenby Instructions"), QStringLiteral("/q%/quenby.html"), false,
                            QStringLiteral("/q%/help.png")),
              QByteArray("[Desktop Entry]\nType=Application\nName=Quenby Instructions\n"
                         "Exec=xdg-open \"/q%%/quenby.html\"\nIcon=/q%/help.png\nTerminal=false\n"));
    EXPECT_TRUE(launcherEntry(QStringLiteral("Quenby"), QStringLiteral("/q%/quenby"), true, {})
                    .contains(R"(
Exec=/bin/sh -c "exec \\"\\$0\\"" "/q%%/quenby"
TryExec=/q%/quenby
)"));

    const QByteArray menu = menuFile(QStringLiteral("Cards & Co"), QStringLiteral("cards-co.directory"),
                                     {QStringLiteral("cards-co-a.desktop"), QStringLiteral("cards-co-b.desktop")});
    EXPECT_TRUE(menu.contains("<Name>Cards &amp; Co</Name>"));
    EXPECT_EQ(menuFileLaunchers(menu), (QStringList{QStringLiteral("cards-co-a.desktop"), QStringLiteral("cards-co-b.desktop")}));
    EXPECT_TRUE(menuFileLaunchers("<Menu><Name>broken").isEmpty());
}

namespace {

// Folder names the destination dialog accepts, each odd for a launcher.
const char* const oddFolders[] = {
    "a b", "100%", "a=b%c", "a=b", "%f %u", "%%", R"(q"uote)", R"(back\slash)", "$HOME", "`id`", "evil,x",
    "'single'", "semi;colon#hash", "-dash", "~tilde", " lead", "trail ", "*?[glob]", "&|<>(){}!", "ünï ☘",
};

// Writes the program and help launchers for `folder` into `dir`.
QStringList writeLaunchers(const QTemporaryDir& dir, const QString& folder)
{
    const QStringList launchers{dir.filePath(QStringLiteral("tw-program.desktop")),
                                dir.filePath(QStringLiteral("tw-help.desktop"))};
    EXPECT_TRUE(writeFileWhole(launchers[0], launcherEntry(QStringLiteral("Quenby"), folder + QStringLiteral("/quenby"), true, {})));
    EXPECT_TRUE(writeFileWhole(launchers[1], launcherEntry(QStringLiteral("Quenby Instructions"),
                                                           folder + QStringLiteral("/quenby.html"), false, {})));
    return launchers;
}

} // namespace

TEST(ProgramMenu, FilesPassTheDesktopValidator)
{
#ifdef DESKTOP_FILE_VALIDATE
    QTemporaryDir dir;
    const auto check = [&](const QString& path) {
        QProcess validate;
        validate.start(QStringLiteral(DESKTOP_FILE_VALIDATE), {path});
        ASSERT_TRUE(validate.waitForFinished());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString() << file.readAll().toStdString();
    };
    for (const char* odd : oddFolders) {
        for (const QString& launcher : writeLaunchers(dir, QStringLiteral("/home/") + QString::fromUtf8(odd)))
            check(launcher);
    }
    ASSERT_TRUE(writeFileWhole(dir.filePath(QStringLiteral("tw.directory")), directoryEntry(QStringLiteral("Tablewright"))));
    check(dir.filePath(QStringLiteral("tw.directory")));
#else
    GTEST_SKIP() << "desktop-file-validate is not installed";
#endif
}

TEST(ProgramMenu, LaunchersStartTheProgramAndOpenTheHelpInEveryOddFolder)
{
#ifdef GIO
    QTemporaryDir dir;
    // A program and a viewer that say what they were started as.
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const auto script = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n" + text) > 0);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    // Each leaves "<what it was given>.ran" once whole.
    script(bin + QStringLiteral("/xdg-open"), R"(printf %s "$1" > "$1.part" && mv "$1.part" "$1.ran")");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), bin + u':' + env.value(QStringLiteral("PATH")));

    for (const char* odd : oddFolders) {
        const QString folder = dir.filePath(QStringLiteral("in/") + QString::fromUtf8(odd));
        ASSERT_TRUE(QDir().mkpath(folder)) << odd;
        script(folder + QStringLiteral("/quenby"), R"(printf %s "$0" > "$0.part" && mv "$0.part" "$0.ran")");
        const QStringList launchers = writeLaunchers(dir, folder);
        const QString targets[] = {folder + QStringLiteral("/quenby"), folder + QStringLiteral("/quenby.html")};
        for (int i = 0; i < 2; ++i) {
            QProcess gio;
            gio.setProcessEnvironment(env);
            gio.start(QStringLiteral(GIO), {QStringLiteral("launch"), launchers[i]});
            ASSERT_TRUE(gio.waitForFinished(10000)) << odd;
            EXPECT_EQ(gio.exitCode(), 0) << odd << gio.readAllStandardError().toStdString();
            QFile ran(targets[i] + QStringLiteral(".ran"));
            for (QDeadlineTimer started(10000); !ran.exists() && !started.hasExpired();)
                QThread::msleep(10);
            EXPECT_TRUE(ran.open(QIODevice::ReadOnly)) << odd << (i ? " help" : " program") << " did not start";
            EXPECT_EQ(QFile::decodeName(ran.readAll()), targets[i]) << odd;
        }
    }
#else
    GTEST_SKIP() << "gio is not installed";
#endif
}

TEST(ProgramMenu, PlacesFollowTheDesktopsVariables)
{
    qputenv("XDG_DATA_HOME", "/u/data");
    qputenv("XDG_CONFIG_HOME", "relative/is/ignored");
    qputenv("XDG_DATA_DIRS", "relative:/s/data:/t/data");
    qunsetenv("XDG_CONFIG_DIRS");
    const MenuPlaces user = menuPlaces(false);
    EXPECT_EQ(user.applications, QStringLiteral("/u/data/applications"));
    EXPECT_EQ(user.directories, QStringLiteral("/u/data/desktop-directories"));
    EXPECT_TRUE(user.mergedMenus.endsWith(QStringLiteral("/.config/menus/applications-merged")));
    const MenuPlaces everyone = menuPlaces(true);
    EXPECT_EQ(everyone.applications, QStringLiteral("/s/data/applications"));
    EXPECT_EQ(everyone.mergedMenus, QStringLiteral("/etc/xdg/menus/applications-merged"));
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS"})
        qunsetenv(name);
}
