// The save on Windows: through a temporary that replaces the file, or over
// the file itself while another program holds it open; what the file was
// (its name's letter case, its attributes) stays, and nothing is left beside it.
#include "SafeFileReplace.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <windows.h>

namespace {

std::wstring wide(const std::string& path) {
    std::wstring converted(path.size(), L'\0');
    converted.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), &converted[0],
                            static_cast<int>(converted.size()))));
    return converted;
}

DWORD attributesOf(const std::string& path) {
    return GetFileAttributesW(wide(path).c_str());
}

bool save(const std::string& path, const std::string& text, int* error) {
    return replaceFileContents(path.c_str(), text.data(), text.size(), error);
}

TEST(Win32Save, NewAndReplacedFilesHoldTheTextAndKeepTheirAttributes) {
    const ScratchDirectory folder;
    const std::string path = folder.file("CONFIG.TXT");
    int error = 0;
    ASSERT_TRUE(save(path, "new file", &error)) << error;
    EXPECT_EQ(readWholeFile(path), "new file");
    EXPECT_FALSE(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN) << "the temporary's attribute";

    ASSERT_TRUE(save(path, "replaced", &error)) << error;
    EXPECT_EQ(readWholeFile(path), "replaced");
    EXPECT_FALSE(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN);

    // A file the camera keeps hidden stays hidden.
    ASSERT_TRUE(SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(save(path, "still hidden", &error)) << error;
    EXPECT_EQ(readWholeFile(path), "still hidden");
    EXPECT_TRUE(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.entryCount(), 1);
}

TEST(Win32Save, AFileHeldOpenByAnotherProgramIsWrittenWhereItIs) {
    const ScratchDirectory folder;
    const std::string path = folder.write("CONFIG.TXT", "old text");
    // As Explorer's preview or an antivirus holds it: reading and writing
    // shared, deleting (and so replacing) not.
    const HANDLE held =
        CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto start = std::chrono::steady_clock::now();
    int error = 0;
    const bool saved = save(path, "new text, longer than the old", &error);
    const auto took = std::chrono::steady_clock::now() - start;
    CloseHandle(held);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(readWholeFile(path), "new text, longer than the old");
    EXPECT_EQ(saveTemporariesIn(folder.path()), 0);
    EXPECT_LT(took, std::chrono::seconds(3)) << "tried again for about a second, no longer";
}

TEST(Win32Save, WhatCannotBeWrittenIsRefusedAndKept) {
    const ScratchDirectory folder;
    const std::string path = folder.write("CONFIG.TXT", "write-protected");
    ASSERT_TRUE(SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_READONLY));
    int error = 0;
    EXPECT_FALSE(save(path, "new", &error));
    EXPECT_EQ(error, EACCES);
    EXPECT_EQ(readWholeFile(path), "write-protected");
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_TRUE(makeFolder(folder.file("DCIM")));
    EXPECT_FALSE(save(folder.file("DCIM"), "new", &error));
    EXPECT_EQ(error, EISDIR);
    EXPECT_EQ(folder.entryCount(), 2);
}

// Process ids are multiples of four: 4097 names no program.
TEST(Win32Save, AnEndedSavesTemporaryGoesAndARunningSavesStays) {
    const ScratchDirectory folder;
    const std::string abandoned = folder.write(".kavelo-save-4097-123456", "left behind");
    const std::string running =
        folder.file(".kavelo-save-" + std::to_string(GetCurrentProcessId()) + "-1");
    writeWholeFile(running, "being written");
    const HANDLE busy = CreateFileW(wide(running).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    const std::string path = folder.write("CONFIG.TXT", "old");
    int error = 0;
    EXPECT_TRUE(save(path, "new", &error)) << error;
    CloseHandle(busy);
    EXPECT_EQ(attributesOf(abandoned), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(readWholeFile(running), "being written");
    EXPECT_EQ(saveTemporariesIn(folder.path()), 1);
}

} // namespace
