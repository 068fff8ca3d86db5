// The distribution's description file: sections, hostile content and files
// that are no description at all.
#include <setupkit/inf.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace setupkit;

TEST(Inf, SectionsCommentsAndLetterCase)
{
    const auto inf = parseInf("; what to copy\n\n[Minimum Files]\r\nquenby\n  quenby.html  \n"
                              "; a comment inside\n[Extra]\nREADME\n[minimum files]\nUP.WAV\n");
    ASSERT_TRUE(inf);
    ASSERT_TRUE(inf->section(QStringLiteral("MINIMUM FILES")));
    // A section written twice gathers both parts.
    EXPECT_EQ(*inf->section(QStringLiteral("Minimum Files")),
              (QStringList{QStringLiteral("quenby"), QStringLiteral("quenby.html"), QStringLiteral("UP.WAV")}));
    EXPECT_EQ(*inf->section(QStringLiteral("Extra")), QStringList{QStringLiteral("README")});
    EXPECT_EQ(inf->section(QStringLiteral("Missing")), nullptr);
}

TEST(Inf, MalformedFilesAreRefused)
{
    EXPECT_FALSE(parseInf("quenby\n[Minimum Files]\n")) << "an entry before any section";
    EXPECT_FALSE(parseInf("[Minimum Files\nquenby\n")) << "an unclosed section";
    EXPECT_FALSE(parseInf("[]\nquenby\n")) << "a section without a name";
    EXPECT_TRUE(parseInf(""));
}

TEST(Inf, PlainNamesStayInsideTheirFolder)
{
    for (const char* good : {"quenby", "quenby.html", "Up Sound.WAV", "..hidden", "a..b"})
        EXPECT_TRUE(isPlainFileName(QString::fromUtf8(good))) << good;
    for (const char* bad : {"", ".", "..", "../quenby", "/etc/passwd", "sub/quenby", "a\nb", "tab\there"})
        EXPECT_FALSE(isPlainFileName(QString::fromUtf8(bad))) << bad;
}

TEST(Inf, OnlySmallRegularFilesAreRead)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("SetUp.INF"));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Minimum Files]\nquenby\n");
    file.close();
    EXPECT_TRUE(readInf(good));

    // A pipe would block the reader until someone writes to it.
    const QString pipe = dir.filePath(QStringLiteral("pipe.INF"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(readInf(pipe));
    EXPECT_FALSE(readInf(dir.path())) << "a folder";
    EXPECT_FALSE(readInf(dir.filePath(QStringLiteral("missing.INF"))));

    const QString huge = dir.filePath(QStringLiteral("huge.INF"));
    QFile big(huge);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("[Minimum Files]\n");
    ASSERT_TRUE(big.resize(maxInfBytes + 1));
    big.close();
    EXPECT_FALSE(readInf(huge));
}
