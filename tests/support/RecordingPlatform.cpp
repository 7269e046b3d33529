#include "support/RecordingPlatform.h"

ScopedHeadlessPlatform::ScopedHeadlessPlatform(uint32_t frameMs) : platform(frameMs)
{
    SetPlatform(&platform);
}

ScopedHeadlessPlatform::~ScopedHeadlessPlatform() { SetPlatform(nullptr); }

std::vector<std::string> ScopedHeadlessPlatform::Boxes() const
{
    std::vector<std::string> out;
    for (const auto& b : platform.MessageBoxes()) out.push_back(b.caption + ": " + b.text);
    return out;
}
