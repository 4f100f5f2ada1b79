#include "signal/ChannelChoice.h"

#include "common/Translation.h"

#include <algorithm>

namespace vornax {

std::vector<std::string> channelChoices(int channels)
{
    std::vector<std::string> choices{tx("vornax::WavWindow", "Automatique")};
    for (int n = 1; n <= channels; ++n) {
        if (channels == 2)
            choices.push_back(n == 1 ? tx("vornax::WavWindow", "Canal 1 (gauche)")
                                     : tx("vornax::WavWindow", "Canal 2 (droite)"));
        else
            choices.push_back(tx("vornax::WavWindow", "Canal %1").arg(std::to_string(n)));
    }
    choices.push_back(tx("vornax::WavWindow", "Mélange"));
    return choices;
}

int channelChoiceIndex(const ChannelRequest& request, int channels)
{
    switch (request.mode) {
    case ChannelRequest::Mode::Mix: return channels + 1;
    case ChannelRequest::Mode::Number: return std::clamp(request.number, 0, channels);
    case ChannelRequest::Mode::Auto: break;
    }
    return 0;
}

ChannelRequest channelOfChoice(int index, int channels)
{
    ChannelRequest channel;
    if (index > channels)
        channel.mode = ChannelRequest::Mode::Mix;
    else if (index > 0)
        channel = {ChannelRequest::Mode::Number, index};
    return channel;
}

bool sameChannel(const ChannelRequest& a, const ChannelRequest& b)
{
    return a.mode == b.mode && (a.mode != ChannelRequest::Mode::Number || a.number == b.number);
}

std::string channelUsedLine(int used, int channels)
{
    return used == 0 ? tx("vornax::WavWindow", "%1 canaux mélangés").arg(std::to_string(channels)).str()
                     : tx("vornax::WavWindow", "canal %1 sur %2 retenu")
                           .arg(std::to_string(used))
                           .arg(std::to_string(channels))
                           .str();
}

}  // namespace vornax
