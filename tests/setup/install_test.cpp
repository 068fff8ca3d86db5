// The installer run as a user would run it, unattended: its dialogs answered
// from a response file, into a private home, from a distribution folder that
// is either the real one or a small one made here (hostile when a test needs).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString distDir = QStringLiteral(SETUP_DIST_DIR);
const QStringList distFiles{QStringLiteral("quenby"), QStringLiteral("quenby.html"), QStringLiteral("SHUFFLE.WAV"),
                            QStringLiteral("UP.WAV"), QStringLiteral("DOWN.WAV")};

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

class Install : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString home;
    QString source; // a small distribution folder of our own

    struct Run {
        int exitCode = -1;
        QStringList said;
    };

    void SetUp() override
    {
        home = tmp.filePath(QStringLiteral("home"));
        source = tmp.filePath(QStringLiteral("Dist"));
        QDir().mkpath(home);
        ::mkdir(QFile::encodeName(runtime()).constData(), 0700);
        write(source + QStringLiteral("/SetUp.INF"), read(distDir + QStringLiteral("/SetUp.INF")));
        for (const QString& name : distFiles)
            write(source + u'/' + name, "contents of " + name.toUtf8());
        QFile::setPermissions(source + QStringLiteral("/quenby"), QFile::permissions(source + QStringLiteral("/quenby")) | QFile::ExeOwner);
    }

    Run setup(const QByteArray& answers, const QString& from, const QString& program = distDir + QStringLiteral("/setup"),
              QStringList arguments = {})
    {
        const QString answerFile = tmp.filePath(QStringLiteral("answers"));
        write(answerFile, answers);
        if (arguments.isEmpty())
            arguments = {QStringLiteral("--responses"), answerFile};
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_DIRS"), tmp.filePath(QStringLiteral("system/share")));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), tmp.filePath(QStringLiteral("system/etc")));
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        env.remove(QStringLiteral("XDG_STATE_HOME"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(from);
        process.start(program, arguments);
        Run run;
        // Never a loop: every run ends by itself, answered or not.
        EXPECT_TRUE(process.waitForFinished(30000)) << "setup did not end";
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.said = QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        return run;
    }

    QString runtime() const { return tmp.filePath(QStringLiteral("run")); }

    // Where the launchers go: for everyone when run as root, else this user's.
    QString applications() const
    {
        return ::geteuid() == 0 ? tmp.filePath(QStringLiteral("system/share/applications"))
                                : home + QStringLiteral("/.local/share/applications");
    }
    QString menu() const
    {
        return ::geteuid() == 0 ? tmp.filePath(QStringLiteral("system/etc/menus/applications-merged/tablewright.menu"))
                                : home + QStringLiteral("/.config/menus/applications-merged/tablewright.menu");
    }
    QString defaultDestination() const
    {
        return ::geteuid() == 0 ? QStringLiteral("/opt/Tablewright/Quenby") : home + QStringLiteral("/Tablewright/Quenby");
    }
    static QStringList dialogs(const Run& run)
    {
        QStringList shown;
        for (const QString& line : run.said) {
            if (line.startsWith(QStringLiteral("dialog ")))
                shown.append(line.section(u' ', 1, 1));
        }
        return shown;
    }
    bool nothingInstalled() const
    {
        return !QFile::exists(menu()) && !QFile::exists(applications());
    }
};

QByteArray dest(const QString& path)
{
    return "300 CONTINUE " + path.toUtf8() + "\n";
}

} // namespace

TEST_F(Install, TheRealDistributionIntoAFolderWithASpaceAndAPercentSign)
{
    const Run run = setup("300 CONTINUE ~/Games 100%/Quenby\n700 CONTINUE\n", distDir);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.said, (QStringList{QStringLiteral("title Tablewright ~ Quenby Setup"),
                                     QStringLiteral("dialog 300 ") + defaultDestination(),
                                     QStringLiteral("copy 5 files"), QStringLiteral("copy result 0"),
                                     QStringLiteral("dialog 700")}));
    const QString folder = home + QStringLiteral("/Games 100%/Quenby/");
    for (const QString& name : distFiles)
        EXPECT_EQ(read(folder + name), read(distDir + u'/' + name)) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("quenby")).isExecutable());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), distFiles.size());

    // The typed folder had no trailing slash; the commands have one before the name.
    const QByteArray program = read(applications() + QStringLiteral("/tablewright-quenby.desktop"));
    const QByteArray help = read(applications() + QStringLiteral("/tablewright-quenby-instructions.desktop"));
    EXPECT_TRUE(program.contains("\nName=Quenby\n"));
    EXPECT_TRUE(program.contains(R"(Exec=/bin/sh -c "exec \\"\\$0\\"" ")" + home.toUtf8() + "/Games 100%%/Quenby/quenby\"\n"))
        << program.toStdString();
    EXPECT_TRUE(help.contains("\nName=Quenby Instructions\n"));
    EXPECT_TRUE(help.contains("\nExec=xdg-open \"" + home.toUtf8() + "/Games 100%%/Quenby/quenby.html\"\n")) << help.toStdString();
    const QByteArray menuText = read(menu());
    EXPECT_TRUE(menuText.contains("<Name>Tablewright</Name>"));
    EXPECT_TRUE(menuText.contains("<Filename>tablewright-quenby.desktop</Filename>"));
    EXPECT_TRUE(menuText.contains("<Filename>tablewright-quenby-instructions.desktop</Filename>"));

    // Installing again replaces the files and keeps one entry per item.
    const Run again = setup(dest(folder) + "700 CONTINUE\n", distDir);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(read(menu()), menuText);
}

TEST_F(Install, ACommaInTheDestinationStaysInThePath)
{
    // "<tmp>/evil" is a program: the comma must not make it the command.
    write(tmp.filePath(QStringLiteral("evil")), "#!/bin/sh\n");
    ASSERT_TRUE(QFile::setPermissions(tmp.filePath(QStringLiteral("evil")), QFile::ReadOwner | QFile::ExeOwner));
    const QString folder = tmp.filePath(QStringLiteral("evil,x"));
    ASSERT_EQ(setup(dest(folder) + "700 CONTINUE\n", source).exitCode, 0);
    const QByteArray program = read(applications() + QStringLiteral("/tablewright-quenby.desktop"));
    const QByteArray help = read(applications() + QStringLiteral("/tablewright-quenby-instructions.desktop"));
    EXPECT_TRUE(program.contains("\nExec=\"" + folder.toUtf8() + "/quenby\"\n")) << program.toStdString();
    EXPECT_TRUE(program.contains("\nIcon=applications-games\n")) << program.toStdString();
    EXPECT_TRUE(help.contains("\nExec=xdg-open \"" + folder.toUtf8() + "/quenby.html\"\n")) << help.toStdString();
}

TEST_F(Install, CancelBackAndExitInstallNothing)
{
    const Run run = setup("300 CANCEL\n200 CONTINUE\n300 BACK\n200 CANCEL\n300 EXIT\n200 BACK\n200 EXIT\n", source);
    EXPECT_EQ(run.exitCode, 0) << "the user's own choice";
    EXPECT_EQ(dialogs(run), (QStringList{"300", "200", "300", "200", "300", "200", "200"}));
    EXPECT_FALSE(run.said.join(u'\n').contains(QStringLiteral("copy")));
    EXPECT_FALSE(QFile::exists(defaultDestination() + QStringLiteral("/quenby")));
    EXPECT_TRUE(nothingInstalled());
}

TEST_F(Install, EventWordsAreKnownByTheirFirstTwoLetters)
{
    // CAT is a cancel, COFFEE a continue, HELLO nothing known, BA a back, EXTRA an exit.
    const Run run = setup("300 CAT\n200 COFFEE\n300 HELLO\n300 BA\n200 EXTRA\n", source);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(dialogs(run), (QStringList{"300", "200", "300", "300", "200"}));
    EXPECT_TRUE(nothingInstalled());
}

TEST_F(Install, RefusedDestinationsAskAgainUntilOneIsAccepted)
{
    write(tmp.filePath(QStringLiteral("a-file")), "x");
    ASSERT_TRUE(QFile::link(source, tmp.filePath(QStringLiteral("to-dist"))));
    ASSERT_TRUE(QFile::link(tmp.path(), tmp.filePath(QStringLiteral("to-tmp"))));
    const QByteArray answers = "300 CONTINUE\n"                 // empty
                               "6400 CONTINUE\n"
                               "300 CONTINUE Games/Quenby\n"    // relative: would land in the source
                               "6400 CANCEL\n"
                               + dest(source) +                 // the source itself
                               "6400 HELLO\n"
                               "6400 EXIT\n"
                               "200 CONTINUE\n"
                               "6400 CONTINUE\n"
                               + dest(source + u'/') +          // with its trailing slash
                               "6400 CONTINUE\n"
                               + dest(tmp.filePath(QStringLiteral("a-file/Quenby"))) +
                               "6400 CONTINUE\n"
                               + dest(tmp.filePath(QStringLiteral("to-dist"))) + // the source through a link
                               "6400 CONTINUE\n"
                               + dest(tmp.filePath(QStringLiteral("to-tmp/Dist/"))) + // through a link on the way
                               "6400 CONTINUE\n"
                               + dest(tmp.filePath(QStringLiteral("DIST/"))) + // another letter case is another folder
                               "700 CONTINUE\n";
    const Run run = setup(answers, source);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(dialogs(run), (QStringList{"300", "6400", "300", "6400", "300", "6400", "6400", "200", "6400",
                                         "300", "6400", "300", "6400", "300", "6400", "300", "6400", "300", "700"}));
    for (const QString& name : distFiles)
        EXPECT_EQ(read(tmp.filePath(QStringLiteral("DIST/")) + name), read(source + u'/' + name));
    EXPECT_FALSE(QFile::exists(source + QStringLiteral("/Games"))) << "nothing went into a refused folder";
    EXPECT_EQ(read(source + QStringLiteral("/quenby")), "contents of quenby");
}

TEST_F(Install, OverlongSymbolsAreABufferOverflow)
{
    const Run path = setup(dest(QStringLiteral("/") + QString(300, u'x')) + "400 CONTINUE\n", source);
    EXPECT_EQ(path.exitCode, 1);
    EXPECT_EQ(path.said.mid(2), (QStringList{QStringLiteral("message Setup Error: Buffer Overflow"),
                                             QStringLiteral("dialog 400")}));

    // The event word has room for 14 characters.
    const Run event = setup("300 CONTINUEXXXXXXX\n400 CONTINUE\n", source);
    EXPECT_EQ(event.exitCode, 1);
    EXPECT_TRUE(event.said.contains(QStringLiteral("message Setup Error: Buffer Overflow")));
    const Run fits = setup("300 CONTINUEXXXXXX\n6400 EXIT\n200 EXIT\n", source);
    EXPECT_EQ(fits.exitCode, 0) << "14 characters fit";
    EXPECT_TRUE(nothingInstalled());
}

TEST_F(Install, ASecondFatalErrorEndsWithoutTheDialogAgain)
{
    // The answers run out at the failure dialog itself.
    const Run run = setup(dest(QStringLiteral("/") + QString(300, u'x')), source);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(dialogs(run), (QStringList{"300", "400"}));
    EXPECT_EQ(run.said.last(), QStringLiteral("no answer for dialog 400"));

    // No answers at all: nothing is installed that was not asked for.
    const Run none = setup("", source);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(dialogs(none), (QStringList{"300", "400"}));
    // Answers for another dialog than the one shown are no answers either.
    const Run wrong = setup("700 CONTINUE\n", source);
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(nothingInstalled());
}

TEST_F(Install, ACopyStoppedByTheUserLeavesNoHalfWrittenFile)
{
    const QString folder = tmp.filePath(QStringLiteral("stopped"));
    const Run run = setup(dest(folder) + "STOP 0\n400 CONTINUE\n", distDir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.said.mid(2), (QStringList{QStringLiteral("copy 5 files"), QStringLiteral("copy stopped"),
                                            QStringLiteral("dialog 400")}));
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "stopped inside the program";
    EXPECT_TRUE(nothingInstalled());

    const Run later = setup(dest(folder) + "STOP 2\n400 CONTINUE\n", source);
    EXPECT_EQ(later.exitCode, 1);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("quenby"), QStringLiteral("quenby.html")}));
}

TEST_F(Install, AHostileDistributionReadsAndWritesNothingOutsideItsFolders)
{
    write(tmp.filePath(QStringLiteral("outside")), "outside");
    write(source + QStringLiteral("/sub/inner"), "inner");
    ASSERT_EQ(::mkfifo(QFile::encodeName(source + QStringLiteral("/pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(tmp.filePath(QStringLiteral("outside")), source + QStringLiteral("/link")));
    const QString folder = tmp.filePath(QStringLiteral("target"));
    const struct {
        const char* what;
        QByteArray inf;
        bool opens;
    } rows[] = {
        {"a name leaving the folder", "[Minimum Files]\nquenby\n../outside\n", true},
        {"an absolute name", "[Minimum Files]\n" + tmp.filePath(QStringLiteral("outside")).toUtf8() + "\n", true},
        {"a name in a subfolder", "[Minimum Files]\nsub/inner\n", true},
        {"a missing file", "[Minimum Files]\nquenby\nnot-there\n", true},
        {"a pipe as a file", "[Minimum Files]\npipe\n", true},
        {"a link leading out", "[Minimum Files]\nlink\n", true},
        {"no such section", "[Other Files]\nquenby\n", true},
        {"not a description", "quenby\n", false},
    };
    for (const auto& row : rows) {
        write(source + QStringLiteral("/SetUp.INF"), row.inf);
        const Run run = setup((row.opens ? dest(folder) : QByteArray()) + "400 CONTINUE\n", source);
        EXPECT_EQ(run.exitCode, 1) << row.what;
        EXPECT_EQ(dialogs(run).last(), QStringLiteral("400")) << row.what;
        EXPECT_FALSE(QFileInfo::exists(folder)) << row.what;
    }
    EXPECT_EQ(read(tmp.filePath(QStringLiteral("outside"))), "outside");

    // A pipe in place of the description blocks nothing.
    QFile::remove(source + QStringLiteral("/SetUp.INF"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(source + QStringLiteral("/SetUp.INF")).constData(), 0600), 0);
    const Run piped = setup("400 CONTINUE\n", source);
    EXPECT_EQ(piped.exitCode, 1);
    EXPECT_EQ(dialogs(piped), QStringList{"400"});
    EXPECT_TRUE(nothingInstalled());
}

TEST_F(Install, WithoutTheRegistryLibraryNothingIsInstalled)
{
    const QString bare = tmp.filePath(QStringLiteral("bare"));
    QDir().mkpath(bare);
    for (const char* name : {"setup", "libsetupdlg.so"})
        ASSERT_TRUE(QFile::copy(distDir + u'/' + QLatin1String(name), bare + u'/' + QLatin1String(name)));
    const Run run = setup(dest(tmp.filePath(QStringLiteral("target"))) + "700 CONTINUE\n", source,
                          bare + QStringLiteral("/setup"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(dialogs(run), QStringList{"400"}) << "a failure, not the closing message";
    EXPECT_TRUE(nothingInstalled());
}

TEST_F(Install, StartsThatFailEndWithAFailureStatus)
{
    const Run unknown = setup("", source, distDir + QStringLiteral("/setup"), {QStringLiteral("--silent")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.said.isEmpty());
    const Run unreadable = setup("", source, distDir + QStringLiteral("/setup"),
                                 {QStringLiteral("--responses"), tmp.filePath(QStringLiteral("missing"))});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_EQ(setup("", source, distDir + QStringLiteral("/setup"), {QStringLiteral("--responses"), tmp.path()}).exitCode, 1);
    const Run noDisplay = setup("", source, distDir + QStringLiteral("/setup"), {QStringLiteral("")});
    EXPECT_EQ(noDisplay.exitCode, 1);

    // A setup already running for this user keeps a second one from starting.
    {
        QFile running(runtime() + QStringLiteral("/tablewright-setup-%1.lock").arg(::geteuid()));
        ASSERT_TRUE(running.open(QIODevice::WriteOnly));
        ASSERT_EQ(::flock(running.handle(), LOCK_EX), 0);
        const Run second = setup("300 EXIT\n200 EXIT\n", source);
        EXPECT_EQ(second.exitCode, 1);
        EXPECT_TRUE(second.said.isEmpty());
    }
    // Once it ended, by itself or killed, its lock holds nobody back.
    EXPECT_EQ(setup("300 EXIT\n200 EXIT\n", source).exitCode, 0);
}
