// The response file of unattended installs, and the folder names the toolkit
// accepts.
#include <setupkit/answers.h>
#include <setupkit/paths.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

using namespace setupkit;

TEST(Answers, LinesOfTemplateEventAndText)
{
    const auto answers = parseAnswers("# install into a folder with spaces\n"
                                      "300 CONTINUE /home/a b/Quenby \n"
                                      "  6400   CONTINUE\r\n"
                                      "\n"
                                      "STOP 2\n"
                                      "300 CONTINUE\n");
    ASSERT_TRUE(answers);
    ASSERT_EQ(answers->size(), 4u);
    EXPECT_EQ((*answers)[0].templateId, 300);
    EXPECT_EQ((*answers)[0].event, QStringLiteral("CONTINUE"));
    EXPECT_EQ((*answers)[0].text, QStringLiteral("/home/a b/Quenby ")) << "typed text kept as it stands";
    EXPECT_EQ((*answers)[1].templateId, 6400);
    EXPECT_EQ((*answers)[2].templateId, 0);
    EXPECT_EQ((*answers)[2].stopAfterFiles, 2);
    EXPECT_TRUE((*answers)[3].text.isEmpty());

    for (const char* bad : {"CONTINUE\n", "300\n", "0 CONTINUE\n", "STOP\n", "STOP x\n"})
        EXPECT_FALSE(parseAnswers(bad)) << bad;
}

TEST(Paths, HomeAndValidFolders)
{
    EXPECT_EQ(expandHome(QStringLiteral("~/Games")), QDir::homePath() + QStringLiteral("/Games"));
    EXPECT_EQ(expandHome(QStringLiteral("~")), QDir::homePath());
    EXPECT_EQ(expandHome(QStringLiteral("~other/x")), QStringLiteral("~other/x"));
    EXPECT_EQ(expandHome(QStringLiteral("/a/~/b")), QStringLiteral("/a/~/b"));

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(isValidDirectory(dir.path()));
    EXPECT_TRUE(isValidDirectory(dir.path() + QStringLiteral("/new/deeper/")));
    EXPECT_EQ(isValidDirectory(QStringLiteral("/")), ::access("/", W_OK) == 0) << "only a writable folder";
    EXPECT_FALSE(isValidDirectory(QString()));
    EXPECT_FALSE(isValidDirectory(QStringLiteral("relative/folder")));
    EXPECT_FALSE(isValidDirectory(QStringLiteral("~/Games"))) << "expanded by the caller, not here";
    EXPECT_FALSE(isValidDirectory(dir.filePath(QStringLiteral("file")))) << "a file";
    EXPECT_FALSE(isValidDirectory(dir.filePath(QStringLiteral("file/below")))) << "below a file";
    EXPECT_FALSE(isValidDirectory(dir.path() + QStringLiteral("/line\nbreak")));
    if (!installsForEveryone()) {
        EXPECT_FALSE(isValidDirectory(QStringLiteral("/proc/1/x"))) << "not writable";
    }
}
