#include <gtest/gtest.h>
#include "resources/TextureOptions.h"

TEST(TextureOptions, GroupsAtTheStartSetFlagsAndLeaveTheRestAsTheName)
{
    // line -> flag letters set, a space, the name
    for (auto [line, expected] : std::vector<std::pair<std::string, std::string>>{
             {"-k -s Data/a b.tga", "ks Data/a b.tga"}, {"-r\t-g_x.tga", "gr x.tga"},  // any separator
             {"-z -r img.tga", "r img.tga"},            {"a.tga -k x", " a.tga -k x"},  // only at the start
             {"-k", " -k"},                             {"-k ", " -k "},                // a name must remain
             {"-k x", "k x"},                           {"-k -s ", "k -s "}}) {
        TextureOptions o = ParseTextureOptions(line);
        std::string flags = std::string(o.colorKey ? "k" : "") + (o.alphaFromBrightness ? "g" : "") +
                            (o.repeat ? "r" : "") + (o.mipmaps ? "s" : "");
        EXPECT_EQ(flags + " " + o.name, expected) << '"' << line << '"';
    }
}
