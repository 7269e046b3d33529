#include <gtest/gtest.h>
#include "resources/Resource.h"
#include "resources/ResourceManager.h"

namespace {

struct CountingResource : Resource {
    static int alive;
    int loads = 0;
    CountingResource() { ++alive; }
    ~CountingResource() override { --alive; }
    void Load() override { ++loads; }
};
int CountingResource::alive = 0;

struct Handle : ResourceHandle {
    using ResourceHandle::GetResource;
};

class ResourceTest : public ::testing::Test {
protected:
    void SetUp() override { ResourceManager::Instance()->ReleaseAll(0); }
    void TearDown() override { ResourceManager::Instance()->ReleaseAll(0); }
};

TEST_F(ResourceTest, DestroyingAResourceDetachesEveryHandle)
{
    auto* r = new CountingResource;
    Handle a, b, c;
    a.Attach(r);
    b.Attach(r);
    c.Attach(r);
    EXPECT_EQ(r->HandleCount(), 3u);
    delete r;
    EXPECT_FALSE(a.IsValid());
    EXPECT_FALSE(b.IsValid());
    EXPECT_FALSE(c.IsValid());
    EXPECT_EQ(a.GetResource(), nullptr);
    a.Release();  // detaching again is harmless
    EXPECT_EQ(ResourceManager::Instance()->Count(), 0u);
}

TEST_F(ResourceTest, AttachMovesAHandleFromItsOldResource)
{
    auto* first = new CountingResource;
    auto* second = new CountingResource;
    Handle h;
    h.Attach(first);
    h.Attach(second);
    EXPECT_EQ(first->HandleCount(), 0u);
    EXPECT_EQ(second->HandleCount(), 1u);
    EXPECT_EQ(h.GetResource(), second);
}

TEST_F(ResourceTest, HandlesDyingFirstLeaveTheResourceLoaded)
{
    auto* r = new CountingResource;
    {
        Handle h;
        h.Attach(r);
    }
    EXPECT_EQ(r->HandleCount(), 0u);
    EXPECT_EQ(ResourceManager::Instance()->Count(), 1u);
    EXPECT_EQ(CountingResource::alive, 1);
    ResourceManager::Instance()->ReleaseAll(0);
    EXPECT_EQ(CountingResource::alive, 0);
}

TEST_F(ResourceTest, ReleaseAllComparesWithTheReleaseLevel)
{
    new CountingResource;
    new CountingResource;
    ResourceManager::Instance()->ReleaseAll(3);
    EXPECT_EQ(CountingResource::alive, 2);
    ResourceManager::Instance()->ReleaseAll(2);
    EXPECT_EQ(CountingResource::alive, 0);
    EXPECT_EQ(ResourceManager::Instance()->Count(), 0u);
}

TEST_F(ResourceTest, HandleOutlivingItsResourceDestructsCleanly)
{
    Handle h;
    h.Attach(new CountingResource);
    ResourceManager::Instance()->ReleaseAll(0);
    EXPECT_FALSE(h.IsValid());
}

}  // namespace
