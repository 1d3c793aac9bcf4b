// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "QtTextFiles.h"
#include "TempFolder.h"

namespace bellmora::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunk = 64 * 1024;  // the reader's chunk size
const std::string kBom = "\xEF\xBB\xBF";

struct DecodeCase {
    const char* name;
    std::string bytes;
    ReadStatus status;
    std::u16string text;
};

std::u16string Repeat(char16_t c, std::size_t n) { return std::u16string(n, c); }

const DecodeCase kDecodeCases[] = {
    {"Cp932MatchesMicrosoftTable", "\x87\x40\x81\x60\x81\x5F\x5C\xFA\x40\x82\xA0\xB1",
     ReadStatus::Ok, u"①～＼\\ⅰあｱ"},
    {"Utf8WithoutBom", "\xE3\x81\x82\xE3\x81\x84\r\nabc", ReadStatus::Ok, u"あい\r\nabc"},
    {"Utf8BomIsDropped", kBom + "\xE3\x81\x82", ReadStatus::Ok, u"あ"},
    {"Utf8BomWithInvalidByte",
     kBom + "a\xFF"
            "b",
     ReadStatus::BadCharacters, u"a\uFFFDb"},
    {"Utf8BomEndingInsideCharacter", kBom + "a\xE3\x81", ReadStatus::BadCharacters, u"a\uFFFD"},
    {"AsciiThenCp932IsCp932", "abc\x82\xA0", ReadStatus::Ok, u"abcあ"},
    {"Cp932UnassignedPair", "a\x85\x40", ReadStatus::BadCharacters, u"a\uFFFD"},
    {"Cp932UndefinedSingleByte", "a\xA0", ReadStatus::BadCharacters, u"a\x1A"},
    {"Cp932LoneLeadByteAtEnd", "a\x82", ReadStatus::BadCharacters, u"a\uFFFD"},
    {"EmptyFile", "", ReadStatus::Ok, u""},
    {"DosEndOfFileMarkEndsTheFile", "\x82\xA0\r\n\x1A", ReadStatus::Ok, u"あ\r\n"},
    {"DosEndOfFileMarkEndsAnAsciiRecordFile", "\"24/01/15 10:20:30\",1,1,1,1\r\n\x1A",
     ReadStatus::Ok, u"\"24/01/15 10:20:30\",1,1,1,1\r\n"},
    {"DosEndOfFileMarkInsideStays", "a\x1A\r\n", ReadStatus::Ok, u"a\x1A\r\n"},
    {"Cp932CharacterAcrossChunks", std::string(kChunk - 1, 'a') + "\x82\xA0", ReadStatus::Ok,
     Repeat(u'a', kChunk - 1) + u"あ"},
    {"Utf8CharacterAcrossChunks", std::string(kChunk - 1, 'a') + "\xE3\x81\x82", ReadStatus::Ok,
     Repeat(u'a', kChunk - 1) + u"あ"},
    {"Utf8BomBadByteInEarlierChunk", kBom + "\xFF" + std::string(kChunk, 'a'),
     ReadStatus::BadCharacters, u"\uFFFD" + Repeat(u'a', kChunk)},
    {"Cp932BadByteInEarlierChunk", "\x85\x40" + std::string(kChunk, 'a'), ReadStatus::BadCharacters,
     u"\uFFFD" + Repeat(u'a', kChunk)},
    {"Cp932ByteAfterFirstChunkRereadsWholeFile", std::string(kChunk + 10, 'a') + "\x82\xA0",
     ReadStatus::Ok, Repeat(u'a', kChunk + 10) + u"あ"},
};

class ReadTextDecoding : public InTempFolder, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(ReadTextDecoding, GivesStatusAndText) {
    const DecodeCase& c = GetParam();
    WriteBytes("p.txt", c.bytes);
    const TextFileContent content = QtTextFiles().ReadText(u"p.txt");
    EXPECT_EQ(content.status, c.status);
    EXPECT_TRUE(content.text == c.text);  // no printer for long UTF-16 texts
    EXPECT_EQ(content.text.size(), c.text.size());
}

INSTANTIATE_TEST_SUITE_P(Files, ReadTextDecoding, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

using QtTextFilesTest = InTempFolder;

TEST_F(QtTextFilesTest, ReadText_MissingFileFolderOrPipeIsUnreadable) {
    fs::create_directory("folder.txt");
    ASSERT_EQ(::mkfifo("pipe.txt", 0600), 0);  // reading it would wait for a writer
    for (const std::u16string name : {u"missing.txt", u"folder.txt", u"pipe.txt", u""}) {
        const TextFileContent content = QtTextFiles().ReadText(name);
        EXPECT_EQ(content.status, ReadStatus::Unreadable);
        EXPECT_TRUE(content.text.empty());
    }
}

TEST_F(QtTextFilesTest, ReadText_TenMegabyteFileReadsWhole) {
    std::string bytes;
    for (int i = 0; i < 5'000'000; ++i) bytes += "\x82\xA0";
    WriteBytes("big.txt", bytes);
    const TextFileContent content = QtTextFiles().ReadText(u"big.txt");
    EXPECT_EQ(content.status, ReadStatus::Ok);
    ASSERT_EQ(content.text.size(), 5'000'000u);
    EXPECT_TRUE(content.text.find_first_not_of(u'あ') == std::u16string::npos);
}

TEST_F(QtTextFilesTest, ReadText_NameInJapaneseOpensThatFile) {
    WriteBytes(fs::path(u8"吾輩は猫である.txt"), "abc");
    EXPECT_TRUE(QtTextFiles().ReadText(u"吾輩は猫である.txt").text == u"abc");
}

TEST_F(QtTextFilesTest, Append_CreatesFileAndAddsBytesExactly) {
    const std::string first = "\"24/01/15 10:20:30\",100,100,1,1\r\n";
    const std::string second = "\"24/01/16 08:00:00\",12,3.5,3.429,0.292\r\n";
    QtTextFiles files;
    ASSERT_TRUE(files.Append(u"猫.REC", first));
    EXPECT_EQ(ReadBytes(fs::path(u8"猫.REC")), first);
    ASSERT_TRUE(files.Append(u"猫.REC", second));
    EXPECT_EQ(ReadBytes(fs::path(u8"猫.REC")), first + second);
}

TEST_F(QtTextFilesTest, Append_StartsANewLineAfterALastLineWithoutLineEnd) {
    const std::string record = "\"24/01/16 08:00:00\",12,3.5,3.429,0.292\r\n";
    WriteBytes("cut.REC", "\"24/01/15 10:20:30\",100,100,1,1");
    WriteBytes("unix.REC", "\"24/01/15 10:20:30\",100,100,1,1\n");
    QtTextFiles files;
    ASSERT_TRUE(files.Append(u"cut.REC", record));
    ASSERT_TRUE(files.Append(u"unix.REC", record));
    EXPECT_EQ(ReadBytes("cut.REC"), "\"24/01/15 10:20:30\",100,100,1,1\r\n" + record);
    EXPECT_EQ(ReadBytes("unix.REC"), "\"24/01/15 10:20:30\",100,100,1,1\n" + record);
}

TEST_F(QtTextFilesTest, Append_FailsOnFullDiskAndOnFolder) {
    fs::create_symlink("/dev/full", "full.REC");
    fs::create_directory("folder.REC");
    QtTextFiles files;
    EXPECT_FALSE(files.Append(u"full.REC", "\"24/01/15 10:20:30\",1,1,1,1\r\n"));
    EXPECT_FALSE(files.Append(u"folder.REC", "x\r\n"));
}

TEST_F(QtTextFilesTest, Truncate_EmptiesFileOrCreatesItEmpty) {
    WriteBytes("abc.REC", "\"24/01/15 10:20:30\",100,100,1,1\r\n");
    QtTextFiles files;
    ASSERT_TRUE(files.Truncate(u"abc.REC"));
    ASSERT_TRUE(files.Truncate(u"new.REC"));
    EXPECT_EQ(fs::file_size("abc.REC"), 0u);
    EXPECT_EQ(fs::file_size("new.REC"), 0u);
}

TEST_F(QtTextFilesTest, Truncate_FailsOnFolder) {
    fs::create_directory("folder.REC");
    EXPECT_FALSE(QtTextFiles().Truncate(u"folder.REC"));
}

}  // namespace
}  // namespace bellmora::test
