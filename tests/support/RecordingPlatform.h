#pragma once
#include <string>
#include <vector>
#include "shell/HeadlessPlatform.h"

// Installs a headless platform for the length of a test, so that message
// boxes are recorded, and removes it afterwards.
class ScopedHeadlessPlatform {
public:
    explicit ScopedHeadlessPlatform(uint32_t frameMs = 10);
    ~ScopedHeadlessPlatform();
    HeadlessPlatform& operator*() { return platform; }
    HeadlessPlatform* operator->() { return &platform; }
    // The texts of the recorded boxes, "caption: text" each.
    std::vector<std::string> Boxes() const;

private:
    HeadlessPlatform platform;
};
