#pragma once
#include <GL/gl.h>
#include <cstdint>
#include <map>
#include <vector>
#include "Census.h"

// One frame's quads regrouped by texture, in the order each texture first
// appears, so that a frame costs one bind and one glBegin per texture.
struct TextureBatch {
    uint32_t texture;
    std::vector<CensusQuad> quads;
};

std::vector<TextureBatch> BatchByTexture(const CensusFrame& frame);
// One batch a quad, in the frame's own order: the quads as the game draws
// them, one glBegin each, for telling what the batching saves.
std::vector<TextureBatch> OneBatchAQuad(const CensusFrame& frame);

// Draws the batches with plain GL: per batch one bind and one GL_QUADS
// block, per quad its colour and four textured corners. A texture id
// missing from glNames draws with no texture bound.
void DrawBatches(const std::vector<TextureBatch>& batches, const std::map<uint32_t, GLuint>& glNames);
