// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemLoad.h"

#include "ItemReader.h"
#include "LoadHistory.h"
#include "PhraseReadings.h"
#include "Text.h"
#include "TypingUnit.h"

namespace bellmora {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".txt"
// How much of a loaded text is said: enough to know it by, as its label's start shows it.
constexpr std::size_t kSpokenStart = 20;

ProblemText JoinItems(std::u16string_view content) {
    ProblemText problem{ProblemRead::Ok, {}};
    ItemReader reader(content);
    std::u16string item;
    for (int items = 1; !reader.AtEnd() && reader.ReadText(item); ++items) {
        if (items > kMaxProblemLength) return {ProblemRead::TooLong, {}};
        if (problem.text.size() + item.size() > static_cast<std::size_t>(kMaxProblemLength))
            return {ProblemRead::TooLong, {}};
        problem.text += item;
    }
    return problem;
}

void RefuseFile(Platform& p, const std::u16string& text) {
    p.dialogs.ShowMessage(text, u"問題未選択", MessageIcon::Warning, MessageButtons::Ok);
}

// Says what is wrong with the file; nothing is loaded then.
void RefuseProblem(Platform& p, const std::u16string& fileName, ProblemRead status) {
    const std::u16string file = u"問題ファイル（" + fileName + u"）";
    switch (status) {
        case ProblemRead::Unreadable:
            return RefuseFile(p, file + u"を読み込めませんでした");
        case ProblemRead::BadCharacters:
            return RefuseFile(p, file + u"に読めない文字があります");
        case ProblemRead::TooLong:
            return RefuseFile(p, file + u"が長すぎます");
        case ProblemRead::Ok:
            return;
    }
}

// A screen reader says the focused control, not what a load wrote into the labels. The
// count is said in kana, which every voice can say.
void AnnounceProblem(const WindowState& st, Platform& p) {
    std::u16string start(Left(st.strMondai, kSpokenStart));
    if (!start.empty() && start.back() >= 0xD800 && start.back() < 0xDC00)
        start.pop_back();  // half a pair
    p.speech.Announce(st.strMondaiName + u"　" + IntegerText(st.intMoji) + u"もじ　" + start);
}

std::u16string ProblemName(const std::u16string& fileName) {
    const std::size_t keep =
        fileName.size() > kExtensionLength ? fileName.size() - kExtensionLength : 0;
    return fileName.substr(0, keep);
}

void ShowProblem(WindowState& st, Platform& p) {
    st.intMoji = static_cast<std::int16_t>(st.strMondai.size());  // at most kMaxProblemLength
    const std::u16string count = u"文字数　" + IntegerText(st.intMoji) + u"問";
    p.ui.SetProblemFrameCaption(count);
    ShowTextFromStart(st, p);
    AnnounceProblem(st, p);
}

void LoadSelectedProblem(WindowState& st, Platform& p, bool focusStart) {
    // The running problem stays until its run ends: its clock and its record file belong
    // to it alone.
    if (RunInProgress(st)) return;
    const std::u16string fileName = p.ui.SelectedFileName();
    if (fileName.empty()) return;
    if (IsReadMeName(fileName)) {
        if (focusStart) return RefuseFile(p, u"それは問題ファイルではありません");
        // Browsing by keyboard passes the read-me without a box in the way: the frame
        // names it instead, and a screen reader says so.
        p.ui.SetProblemFrameCaption(fileName + u"　説明文");
        return p.speech.Announce(fileName + u"　せつめいぶん　もんだいでは ありません");
    }

    // A file that cannot be a problem changes nothing: the current one stays in place.
    ProblemText problem = ReadProblemText(p.files, fileName);
    if (problem.status != ProblemRead::Ok) return RefuseProblem(p, fileName, problem.status);

    st.strMondai = std::move(problem.text);
    st.strMondaiName = ProblemName(fileName);
    st.strMondaiFile = fileName;
    LoadHistory(st, p);
    RequestReadings(st, p);
    ShowProblem(st, p);
    if (focusStart) p.ui.FocusStart();
}

}  // namespace

void ShowTextFromStart(WindowState& st, Platform& p) {
    p.ui.SetCaption(Label::Mondai, st.strMondai);
    p.ui.SetCaption(Label::Nokori, IntegerText(st.intMoji));
    st.intPos = 1;
    st.strInpKey = TypingUnitAt(st.strMondai, st.intPos);
    p.ui.SetCaption(Label::Inpkey, ShownUnit(st.strInpKey));
    ShowGuide(st, p);
    p.ui.SetInputKeepsTab(InputKeepsTab(st));
}

ProblemText ReadProblemText(TextFiles& files, const std::u16string& fileName) {
    const TextFileContent content = files.ReadText(fileName);
    switch (content.status) {
        case ReadStatus::Ok: {
            ProblemText problem = JoinItems(content.text);
            // A control character in the text could never be typed: the run would stick there.
            if (problem.status == ProblemRead::Ok && HasUntypableCharacter(problem.text))
                return {ProblemRead::BadCharacters, {}};
            return problem;
        }
        case ReadStatus::Unreadable:
            return {ProblemRead::Unreadable, {}};
        case ReadStatus::BadCharacters:
            return {ProblemRead::BadCharacters, {}};
    }
    return {ProblemRead::Unreadable, {}};
}

void OnFileListClick(WindowState& st, Platform& p) { LoadSelectedProblem(st, p, true); }

void OnFileListKeyMove(WindowState& st, Platform& p) { LoadSelectedProblem(st, p, false); }

void OnFileListEnter(WindowState& st, Platform& p) {
    if (!RunInProgress(st)) p.ui.FocusStart();
}

}  // namespace bellmora
