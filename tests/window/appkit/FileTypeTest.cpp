#include "FileType.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>
#include <sys/stat.h>

void PrintTo(FileType type, std::ostream* os) {
    *os << (type == FileType::None ? "None" : type == FileType::PlainText ? "PlainText" : "Other");
}

namespace {

const QByteArray kConfigText = "Date format=[0];\nDate time=[1];\n{FW:2.17}\n{REV:003}\n";
const QByteArray kPngHeader("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0", 29);

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(FileType, TellsPlainTextFromOtherFilesAndFromFilesThatCannotBeExamined) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dir.filePath("dangling")));
    QDir(dir.path()).mkdir("folder");

    const struct {
        QString path;
        FileType type;
    } cases[] = {
        {write(dir, "CONFIG.TXT", kConfigText), FileType::PlainText},
        {write(dir, "notes.txt", kConfigText), FileType::PlainText},
        {write(dir, "CONFIG", kConfigText), FileType::PlainText},
        {write(dir, "photo.png", kPngHeader), FileType::Other},
        {write(dir, "photo", kPngHeader), FileType::Other},
        {dir.filePath("folder"), FileType::Other},
        {dir.filePath("pipe"), FileType::Other}, // typed without waiting for a writer
        {dir.filePath("missing.txt"), FileType::None},
        {dir.filePath("dangling"), FileType::None},
        {QString(), FileType::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typeOfFile(c.path), c.type) << c.path.toStdString();
}

TEST(FileType, AnUnreadableTextFileHasNoType) {
    QTemporaryDir dir;
    const QString path = write(dir, "CONFIG.TXT", kConfigText);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads files whatever their permissions";
    EXPECT_EQ(typeOfFile(path), FileType::None);
}

} // namespace
