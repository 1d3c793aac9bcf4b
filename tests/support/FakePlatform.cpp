#include "FakePlatform.h"

#include "PracticeRun.h"
#include "WindowCommands.h"

namespace bellmora::test {

int FakeControls::ShownImage() const {
    int shown = 0;
    for (int i = 1; i <= 3; ++i) {
        if (!imageVisible[i]) continue;
        if (shown != 0) return 0;
        shown = i;
    }
    return shown;
}

MessageAnswer FakeDialogs::ShowMessage(const std::u16string& text, const std::u16string& caption,
                                       MessageIcon icon, MessageButtons buttons) {
    shown.push_back({text, caption, icon, buttons});
    if (onShow) onShow(shown.back());
    if (answers.empty()) return MessageAnswer::Ok;
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

TextFileContent FakeTextFiles::ReadText(const std::u16string& name) {
    ++reads;
    auto it = files.find(name);
    if (it == files.end() || unreadable.count(name)) return {ReadStatus::Unreadable, {}};
    if (badCharacters.count(name)) return {ReadStatus::BadCharacters, it->second};
    return {ReadStatus::Ok, it->second};
}

bool FakeTextFiles::Append(const std::u16string& name, std::string_view bytes) {
    if (unwritable.count(name)) return false;
    auto& content = files[name];
    for (char c : bytes) content.push_back(static_cast<unsigned char>(c));
    return true;
}

bool FakeTextFiles::Truncate(const std::u16string& name) {
    if (unwritable.count(name)) return false;
    files[name].clear();
    return true;
}

FakeWindow::FakeWindow() {
    ui.onInputChange = [this] { OnInputChange(st, platform); };
}

void FakeWindow::Load() { OnLoad(st, platform); }

}  // namespace bellmora::test
