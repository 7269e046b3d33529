#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <GL/gl.h>

// A decoded image on its way to OpenGL. Rows are in file order and every
// pixel is red, green, blue (, alpha).
struct TextureImage {
    std::unique_ptr<uint8_t[]> pixels;  // held only while a texture loads
    uint32_t bitsPerPixel = 0;          // 24 or 32
    uint32_t width = 0;
    uint32_t height = 0;
    GLuint glName = 0;                  // 0 until a texture is created
    GLenum format = GL_RGB;             // GL_RGB or GL_RGBA, matching bitsPerPixel

    uint32_t BytesPerPixel() const { return bitsPerPixel / 8; }
    uint64_t PixelCount() const { return uint64_t(width) * height; }
};

// The most bytes one decoded image may take. Far beyond anything the game
// draws (8192 x 8192 RGBA), it keeps a corrupt header from asking for
// gigabytes.
constexpr uint64_t TGA_MAX_IMAGE_BYTES = uint64_t(8192) * 8192 * 4;

// Reads an uncompressed (type 2) or run-length encoded (type 10) 24 or 32
// bit TGA named by a data name into image. On failure shows what went
// wrong in a message box, leaves image without pixels and returns false.
bool LoadTGA(TextureImage& image, const std::string& name);
