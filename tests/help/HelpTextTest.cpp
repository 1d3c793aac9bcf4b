// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "HelpText.h"

namespace bellmora {
namespace {

// "日本語" in code page 932.
const std::string kCp932Japanese = "\x93\xfa\x96\x7b\x8c\xea";

struct DecodeCase {
    const char* name;
    std::string bytes;
    bool isMarkup;
    QString text;
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

class DecodeHelpTextCases : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeHelpTextCases, GivesTheText) {
    EXPECT_EQ(DecodeHelpText(GetParam().bytes, GetParam().isMarkup), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeHelpTextCases,
    testing::Values(
        DecodeCase{"Utf8WithoutDeclaration", "<p>日本語</p>", true,
                   QStringLiteral("<p>日本語</p>")},
        DecodeCase{"Cp932WithoutDeclaration", "<p>" + kCp932Japanese + "</p>", true,
                   QStringLiteral("<p>日本語</p>")},
        DecodeCase{"Cp932Declared", "<meta charset=shift_jis>" + kCp932Japanese, true,
                   QStringLiteral("<meta charset=shift_jis>日本語")},
        // NEC's circled digit is in code page 932 but not in plain Shift-JIS.
        DecodeCase{"Cp932ExtensionDeclaredAsShiftJis", "<meta charset=Shift_JIS>\x87\x40", true,
                   QStringLiteral("<meta charset=Shift_JIS>①")},
        DecodeCase{
            "OtherCharsetDeclaredInHttpEquiv",
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
            "charset=EUC-JP\">\xc6\xfc\xcb\xdc",
            true,
            QStringLiteral(
                "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=EUC-JP\">日本")},
        DecodeCase{"UnknownDeclarationFallsBack", "<meta charset=no-such-set>日本", true,
                   QStringLiteral("<meta charset=no-such-set>日本")},
        DecodeCase{"ByteOrderMarkWins", "\xef\xbb\xbf<meta charset=shift_jis>日本", true,
                   QStringLiteral("<meta charset=shift_jis>日本")},
        DecodeCase{"PlainTextIgnoresDeclarations", "/* <meta charset=shift_jis> */ 日本", false,
                   QStringLiteral("/* <meta charset=shift_jis> */ 日本")},
        DecodeCase{"TitleInCp932", kCp932Japanese, false, QStringLiteral("日本語")}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace bellmora
