// Program groups as desktop menu files: names, the quoting of launcher
// commands, the files' exact bytes, and what desktop-file-validate says.
#include <setupkit/progmenu.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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
                    .contains("\nExec=env \"/q%%/quenby\"\n"));

    const QByteArray menu = menuFile(QStringLiteral("Cards & Co"), QStringLiteral("cards-co.directory"),
                                     {QStringLiteral("cards-co-a.desktop"), QStringLiteral("cards-co-b.desktop")});
    EXPECT_TRUE(menu.contains("<Name>Cards &amp; Co</Name>"));
    EXPECT_EQ(menuFileLaunchers(menu), (QStringList{QStringLiteral("cards-co-a.desktop"), QStringLiteral("cards-co-b.desktop")}));
    EXPECT_TRUE(menuFileLaunchers("<Menu><Name>broken").isEmpty());
}

TEST(ProgramMenu, FilesPassTheDesktopValidator)
{
#ifdef DESKTOP_FILE_VALIDATE
    QTemporaryDir dir;
    const auto check = [&](const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(writeFileWhole(path, bytes));
        QProcess validate;
        validate.start(QStringLiteral(DESKTOP_FILE_VALIDATE), {path});
        ASSERT_TRUE(validate.waitForFinished());
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString() << bytes.toStdString();
    };
    const QString odd = QStringLiteral(R"(/home/a b/100%/"q"/$x/`y`/c\d)");
    check(QStringLiteral("tw-program.desktop"), launcherEntry(QStringLiteral("Quenby"), odd + QStringLiteral("/quenby"), true, {}));
    check(QStringLiteral("tw-help.desktop"),
          launcherEntry(QStringLiteral("Quenby Instructions"), odd + QStringLiteral("/quenby.html"), false, {}));
    check(QStringLiteral("tw.directory"), directoryEntry(QStringLiteral("Tablewright")));
#else
    GTEST_SKIP() << "desktop-file-validate is not installed";
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
