// The channel choice of a recording converted from several channels, as the
// WAV window offers it: automatic, each channel, the mix; and the line saying
// which the conversion used. In the language in force.
#pragma once

#include "signal/AudioImport.h"

#include <string>
#include <vector>

namespace vornax {

// The entries, in the order shown, for a source of `channels` channels.
std::vector<std::string> channelChoices(int channels);

// The entry of `request`, and the request of an entry.
int channelChoiceIndex(const ChannelRequest& request, int channels);
ChannelRequest channelOfChoice(int index, int channels);

bool sameChannel(const ChannelRequest& a, const ChannelRequest& b);

// "canal 2 sur 2 retenu", or "2 canaux mélangés" for `used` 0.
std::string channelUsedLine(int used, int channels);

}  // namespace vornax
