// Textures and sounds live until the program releases them all, as the
// game does at exit. The test program does the same once its tests are
// done, so that the leak checker of the sanitizer build reports only what
// a test really lost.
#include <gtest/gtest.h>
#include "resources/ResourceManager.h"

namespace {

class ReleaseResources : public ::testing::Environment {
public:
    void TearDown() override { ResourceManager::Instance()->ReleaseAll(0); }
};

const ::testing::Environment* const registered = ::testing::AddGlobalTestEnvironment(new ReleaseResources);

}  // namespace
