// The registry library, loaded by name and called through the functions it
// exports: keys made, valued, read, refused and deleted, in a file of their own.
#include <setupkit/registry/keys.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

namespace {

class Registry : public ::testing::Test {
protected:
    QTemporaryDir config;
    QLibrary library{QStringLiteral(SETUPREG_PATH)};
    KeyOpenFn open = nullptr;
    KeyCreateFn create = nullptr;
    KeyDeleteFn remove = nullptr;
    KeyCloseFn close = nullptr;
    KeyQueryValueFn query = nullptr;
    KeySetValueFn set = nullptr;

    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        open = reinterpret_cast<KeyOpenFn>(library.resolve("KeyOpen"));
        create = reinterpret_cast<KeyCreateFn>(library.resolve("KeyCreate"));
        remove = reinterpret_cast<KeyDeleteFn>(library.resolve("KeyDelete"));
        close = reinterpret_cast<KeyCloseFn>(library.resolve("KeyClose"));
        query = reinterpret_cast<KeyQueryValueFn>(library.resolve("KeyQueryValue"));
        set = reinterpret_cast<KeySetValueFn>(library.resolve("KeySetValue"));
        ASSERT_TRUE(open && create && remove && close && query && set);
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    std::string value(KeyHandle key, const char* subkey)
    {
        char buffer[64];
        long size = sizeof buffer;
        const int r = query(key, subkey, buffer, &size);
        return r == KEY_OK ? std::string(buffer) : "<error " + std::to_string(r) + ">";
    }
};

} // namespace

TEST_F(Registry, KeysLiveInTheUsersKeyFile)
{
    KeyHandle tw = 0;
    ASSERT_EQ(create(KEY_USER_ROOT, "Software/Tablewright", &tw), KEY_OK);
    EXPECT_EQ(set(tw, "Quenby/Folder", "/home/a b/Quenby/"), KEY_OK);
    EXPECT_EQ(value(tw, "Quenby/Folder"), "/home/a b/Quenby/");
    EXPECT_EQ(value(KEY_USER_ROOT, "Software/Tablewright/Quenby/Folder"), "/home/a b/Quenby/");
    EXPECT_EQ(value(tw, nullptr), "") << "a key made on the way has no value";
    EXPECT_EQ(close(tw), KEY_OK);
    EXPECT_EQ(close(tw), KEY_BAD_HANDLE) << "closed twice";
    EXPECT_EQ(value(tw, "Quenby"), "<error 3>");
    EXPECT_TRUE(QFile::exists(config.filePath(QStringLiteral("Tablewright.keys"))));

    // A later run of a program sees the same keys.
    KeyHandle quenby = 0;
    ASSERT_EQ(open(KEY_USER_ROOT, "Software/Tablewright/Quenby", &quenby), KEY_OK);
    EXPECT_EQ(value(quenby, "Folder"), "/home/a b/Quenby/");
    EXPECT_EQ(open(KEY_USER_ROOT, "Software/Missing", &tw), KEY_NOT_FOUND);
    EXPECT_EQ(open(KEY_USER_ROOT, "Software//Tablewright", &tw), KEY_BAD_NAME);
    EXPECT_EQ(close(quenby), KEY_OK);
}

TEST_F(Registry, SmallBuffersAndDeletes)
{
    ASSERT_EQ(set(KEY_USER_ROOT, "Software/T/Long", "0123456789"), KEY_OK);
    char small[4];
    long size = sizeof small;
    EXPECT_EQ(query(KEY_USER_ROOT, "Software/T/Long", small, &size), KEY_MORE_DATA);
    EXPECT_EQ(size, 11) << "the size needed, with the terminating zero";

    EXPECT_EQ(remove(KEY_USER_ROOT, "Software/T"), KEY_HAS_SUBKEYS);
    EXPECT_EQ(remove(KEY_USER_ROOT, "Software/T/Long"), KEY_OK);
    EXPECT_EQ(remove(KEY_USER_ROOT, "Software/T/Long"), KEY_NOT_FOUND);
    EXPECT_EQ(remove(KEY_USER_ROOT, "Software/T"), KEY_OK);
    EXPECT_EQ(remove(KEY_USER_ROOT, ""), KEY_BAD_NAME);
    EXPECT_EQ(value(KEY_USER_ROOT, "Software/T"), "<error 2>");
}

TEST_F(Registry, AnUnreadableKeyFileIsAnErrorNotAnEmptyTree)
{
    QFile file(config.filePath(QStringLiteral("Tablewright.keys")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a key file");
    file.close();
    KeyHandle key = 0;
    EXPECT_EQ(create(KEY_USER_ROOT, "Software", &key), KEY_FILE_ERROR);
    EXPECT_EQ(set(KEY_USER_ROOT, "Software", "x"), KEY_FILE_ERROR);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a key file")) << "left as it was";
}
