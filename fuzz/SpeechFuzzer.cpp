// A sign's speech file, as a shared level brings it along: read by the sign
// and laid out on its panel the way the game draws it, with the drawing
// calls replaced by ones that do nothing.
#include <sstream>
#include "FuzzSupport.h"
#include "objects/Texter.h"
#include "resources/GlCalls.h"
#include "resources/ResourceManager.h"
#include "text/Font.h"
#include "text/TextStream.h"

namespace {

void NoBegin(GLenum) {}
void NoEnd() {}
void NoPair(GLfloat, GLfloat) {}
void NoColor3(GLfloat, GLfloat, GLfloat) {}
void NoColor4(GLfloat, GLfloat, GLfloat, GLfloat) {}
void NoColor4ub(GLubyte, GLubyte, GLubyte, GLubyte) {}
void NoBind(GLenum, GLuint) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterFuzzScratch();
    Gl() = GlCalls{NoBegin, NoEnd, NoPair, NoPair, NoColor3, NoColor4, NoColor4ub, NoBind};
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteFuzzFile("Data/Speech/fuzz.txt", data, size);
    // The sign's record in a level file: the speech file's name.
    std::istringstream record(std::string("fuzz.txt") + '\0');
    Texter sign(100.0f, 100.0f, nullptr, &record);
    stext::Font font(2, 16.0f);
    stext::TextStream out(&font);
    out << stext::Pos(155, 95) << stext::Align(0, 0) << stext::Color(0xFF0000) << sign.getText();
    out << stext::Pos(400, 0) << stext::Align(1, 2) << stext::Color(0xFFFF00) << "Press Space" << stext::End;
    ResourceManager::Instance()->ReleaseAll(0);
    return 0;
}
