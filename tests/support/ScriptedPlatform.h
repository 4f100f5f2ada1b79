// A scripted stand-in for the operating system's dialogs: each dialog takes
// the next answer queued for it (none queued: cancelled), and every message
// shown is recorded.
#pragma once

#include "common/PlatformServices.h"

#include <deque>
#include <string>
#include <vector>

namespace vornax::testing {

class ScriptedPlatform final : public PlatformServices {
public:
    ScriptedPlatform() { setPlatformServices(this); }
    ~ScriptedPlatform() override { setPlatformServices(nullptr); }

    // Queue answers; std::nullopt stands for a cancelled dialog.
    void answerOpen(std::optional<std::string> path) { opens_.push_back(std::move(path)); }
    void answerSave(std::optional<std::string> path) { saves_.push_back(std::move(path)); }
    void answerColour(std::optional<Rgb> colour) { colours_.push_back(colour); }
    // The next question's answer; none queued: No.
    void answerQuestion(bool yes) { answers_.push_back(yes); }

    struct Shown {
        std::string text, title;
        MessageIcon icon;
    };
    const std::vector<Shown>& messages() const { return messages_; }
    const std::vector<Shown>& questions() const { return questions_; }
    std::string lastMessage() const { return messages_.empty() ? std::string() : messages_.back().text; }
    void clearMessages() { messages_.clear(); }
    const std::vector<FileDialogRequest>& requests() const { return requests_; }

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<Rgb> pickColour(Rgb initial) override;
    bool ask(const std::string& text, const std::string& title) override;

private:
    std::deque<std::optional<std::string>> opens_, saves_;
    std::deque<std::optional<Rgb>> colours_;
    std::deque<bool> answers_;
    std::vector<Shown> messages_, questions_;
    std::vector<FileDialogRequest> requests_;
};

}  // namespace vornax::testing
