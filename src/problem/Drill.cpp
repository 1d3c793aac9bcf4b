// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drill.h"

#include <algorithm>

#include "ItemReader.h"
#include "ProblemLoad.h"
#include "Text.h"
#include "WeakCharacters.h"

namespace bellmora {

namespace {

// How many of the weakest characters the drill is made for.
constexpr std::size_t kDrillCharacters = 10;

bool IsSentenceEnd(char16_t c) { return c == u'。' || c == u'！' || c == u'？'; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\u3000' || c == u'\t'; }

// A sentence without the blanks around it (the indent of a paragraph); empty when blank.
std::u16string Trimmed(std::u16string_view sentence) {
    while (!sentence.empty() && IsBlank(sentence.front())) sentence.remove_prefix(1);
    while (!sentence.empty() && IsBlank(sentence.back())) sentence.remove_suffix(1);
    return std::u16string(sentence);
}

void Inform(Platform& p, const std::u16string& text) {
    p.dialogs.ShowMessage(text, u"苦手な字で練習", MessageIcon::Information, MessageButtons::Ok);
}

std::u16string DrillText(const std::vector<std::u16string>& sentences) {
    std::u16string text;
    for (const std::u16string& sentence : sentences) text += sentence + u"\r\n";  // as the course
    return text;
}

}  // namespace

std::vector<std::u16string> SplitSentences(std::u16string_view fileText) {
    std::vector<std::u16string> sentences;
    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t end = start;
        while (end < fileText.size() && fileText[end] != u'\r' && fileText[end] != u'\n') ++end;
        // A line as it is typed: its items joined, as a problem is read.
        std::u16string line;
        ItemReader reader(fileText.substr(start, end - start));
        std::u16string item;
        while (!reader.AtEnd() && reader.ReadText(item)) line += item;
        std::size_t from = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (!IsSentenceEnd(line[i]) || (i + 1 < line.size() && IsSentenceEnd(line[i + 1])))
                continue;  // "？！" ends one sentence
            sentences.push_back(Trimmed(std::u16string_view(line).substr(from, i + 1 - from)));
            from = i + 1;
        }
        sentences.push_back(Trimmed(std::u16string_view(line).substr(from)));
        start = end + 1;
    }
    std::erase_if(sentences, [](const std::u16string& s) { return s.empty(); });
    return sentences;
}

std::vector<std::u16string> ChooseDrillSentences(const std::vector<std::u16string>& weakest,
                                                 const std::vector<std::u16string>& sentences) {
    std::vector<bool> taken(sentences.size(), false);
    std::vector<std::u16string> chosen;
    std::size_t size = 0;
    for (bool more = true; more && size < kDrillLeast;) {
        more = false;
        for (const std::u16string& character : weakest) {
            std::size_t best = sentences.size();
            for (std::size_t i = 0; i < sentences.size(); ++i) {
                if (taken[i] || size + sentences[i].size() > kDrillMost ||
                    sentences[i].find(character) == std::u16string::npos)
                    continue;
                if (best == sentences.size() || sentences[i].size() < sentences[best].size())
                    best = i;
            }
            if (best == sentences.size()) continue;
            taken[best] = true;
            chosen.push_back(sentences[best]);
            size += sentences[best].size();
            more = true;
        }
    }
    return chosen;
}

void OnMakeDrill(WindowState& st, Platform& p, bool allTexts) {
    if (RunInProgress(st)) return;
    const std::vector<std::u16string> folder = p.ui.FileNames();
    std::vector<WeakCharacter> weak;
    if (allTexts) {
        weak = WeakCharactersOf(p.files, folder);
    } else if (!st.strMondaiFile.empty()) {
        weak = WeakCharactersOf(p.files, {st.strMondaiFile});
    }
    if (weak.empty())
        return Inform(
            p, u"ミスの記録がまだありません。練習するとミスが記録され、苦手な字の練習が作れます。");

    std::vector<std::u16string> weakest;
    for (std::size_t i = 0; i < weak.size() && i < kDrillCharacters; ++i)
        weakest.push_back(weak[i].character);
    // The folder's own texts, never a read-me file, and never the drill itself.
    std::vector<std::u16string> sentences;
    for (const std::u16string& file : folder) {
        if (IsReadMeName(file) || file == kDrillFileName) continue;
        const TextFileContent content = p.files.ReadText(file);
        if (content.status != ReadStatus::Ok) continue;
        for (std::u16string& sentence : SplitSentences(content.text))
            sentences.push_back(std::move(sentence));
    }
    const std::vector<std::u16string> chosen = ChooseDrillSentences(weakest, sentences);
    if (chosen.empty()) return Inform(p, u"苦手な字を含む文が問題ファイルに見つかりませんでした。");

    const std::u16string name(kDrillFileName);
    if (!p.files.WriteText(name, DrillText(chosen))) {
        p.dialogs.ShowMessage(name + u"に書き込めませんでした", u"苦手な字で練習",
                              MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    p.ui.RefreshFileList(name);
    OnFileListClick(st, p);
}

}  // namespace bellmora
