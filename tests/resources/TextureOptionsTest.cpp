#include <gtest/gtest.h>
#include "resources/TextureOptions.h"

namespace {

// The flags as a string of their letters, for compact comparisons.
std::string Flags(const TextureOptions& o)
{
    return std::string(o.colorKey ? "k" : "") + (o.alphaFromBrightness ? "g" : "") + (o.repeat ? "r" : "") +
           (o.mipmaps ? "s" : "");
}

TEST(TextureOptions, GroupsAtTheStartSetFlagsAndLeaveTheRestAsTheName)
{
    struct Case {
        const char* line;
        const char* flags;
        const char* name;
    };
    for (Case c : {Case{"-k -s Data/a b.tga", "ks", "Data/a b.tga"},
                   Case{"-r\t-g_x.tga", "gr", "x.tga"},     // any separator is skipped
                   Case{"-z -r img.tga", "r", "img.tga"},     // unknown letters are passed over
                   Case{"-s -r -g -k *i.tga", "kgrs", "*i.tga"},
                   Case{"a.tga -k x", "", "a.tga -k x"},      // only at the start
                   Case{" -k a.tga", "", " -k a.tga"}}) {
        TextureOptions o = ParseTextureOptions(c.line);
        EXPECT_EQ(Flags(o), c.flags) << c.line;
        EXPECT_EQ(o.name, c.name) << c.line;
    }
}

TEST(TextureOptions, AGroupIsTakenOnlyWhenSomethingFollowsIt)
{
    struct Case {
        const char* line;
        const char* flags;
        const char* name;
    };
    for (Case c : {Case{"-k", "", "-k"}, Case{"-k ", "", "-k "}, Case{"-k x", "k", "x"},
                   Case{"-k -s ", "k", "-s "}, Case{"", "", ""}}) {
        TextureOptions o = ParseTextureOptions(c.line);
        EXPECT_EQ(Flags(o), c.flags) << '"' << c.line << '"';
        EXPECT_EQ(o.name, c.name) << '"' << c.line << '"';
    }
}

} // namespace
