#include "ScriptedPlatform.h"

namespace vornax::testing {

template <typename T>
static std::optional<T> takeNext(std::deque<std::optional<T>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    auto answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPlatform::openFile(const FileDialogRequest& request)
{
    requests_.push_back(request);
    return takeNext(opens_);
}

std::optional<std::string> ScriptedPlatform::saveFile(const FileDialogRequest& request)
{
    requests_.push_back(request);
    return takeNext(saves_);
}

void ScriptedPlatform::message(const std::string& text, const std::string& title, MessageIcon icon)
{
    messages_.push_back({text, title, icon});
}

std::optional<Rgb> ScriptedPlatform::pickColour(Rgb) { return takeNext(colours_); }

bool ScriptedPlatform::ask(const std::string& text, const std::string& title)
{
    questions_.push_back({text, title, MessageIcon::None});
    if (answers_.empty())
        return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

}  // namespace vornax::testing
