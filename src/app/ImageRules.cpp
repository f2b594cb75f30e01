#include "app/ImageRules.h"

#include "image/ChannelOps.h"
#include "image/Frequency.h"

DocumentImageRules ApplicationImageRules() {
    DocumentImageRules rules;
    rules.refreshGroupValid = [](CloneImage& image) { Zone::RefreshValidBits(image); };
    rules.txInNarrowband = [](const CloneImage& image, int channel) {
        return Pll::InNarrowbandRange(image, channel);
    };
    return rules;
}
