#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ServicesPaths, InjectedAppPathComesWithoutTrailingSlash) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.path().toStdString();

    setAppPathForTests(path + "/");
    EXPECT_EQ(appPath(), path);
    setAppPathForTests(path + "//files/..");
    EXPECT_EQ(appPath(), path);

    setAppPathForTests("");
    std::string real = appPath();
    EXPECT_NE(real, path);
    EXPECT_FALSE(real.empty());
    EXPECT_NE(real.back(), '/');
    EXPECT_TRUE(QFileInfo(QString::fromStdString(real)).isDir());
}

TEST(ServicesPaths, ProgramFolderWhenWritableElseUserFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const std::string program = root.filePath("program").toStdString();
    const std::string user = root.filePath("user/Varnoke").toStdString();
    std::vector<std::string> asked;

    auto writable = [&](const std::string& path) {
        asked.push_back(path);
        return true;
    };
    EXPECT_EQ(chooseAppPath(program, user, writable), program);
    EXPECT_EQ(asked, std::vector<std::string>{program});
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(user))); // not made when not needed

    auto readOnly = [](const std::string&) { return false; };
    EXPECT_EQ(chooseAppPath(program, user, readOnly), user);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(user)).isDir()); // created when missing
}

TEST(ServicesPaths, WritableFolderTest) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QFile file(root.filePath("img.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_TRUE(isWritableFolder(root.path().toStdString()));
    EXPECT_FALSE(isWritableFolder(root.filePath("img.dat").toStdString())); // a file
    EXPECT_FALSE(isWritableFolder(root.filePath("missing").toStdString()));
    EXPECT_FALSE(isWritableFolder(""));
}

TEST(ServicesPaths, EnsureFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const std::string files = root.filePath("a/b/files").toStdString();
    EXPECT_TRUE(ensureFolder(files)); // with missing parents
    EXPECT_TRUE(QFileInfo(QString::fromStdString(files)).isDir());
    EXPECT_TRUE(ensureFolder(files)); // already there

    QFile file(root.filePath("fonts.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(ensureFolder(root.filePath("fonts.dat").toStdString()));
    EXPECT_FALSE(ensureFolder(root.filePath("fonts.dat/files").toStdString()));
    EXPECT_FALSE(ensureFolder(""));
}

} // namespace
} // namespace platform
