#include "TextureBatches.h"

std::vector<TextureBatch> BatchByTexture(const CensusFrame& frame)
{
    std::vector<TextureBatch> batches;
    for (const CensusQuad& q : frame.quads) {
        TextureBatch* batch = nullptr;
        for (TextureBatch& b : batches)
            if (b.texture == q.texture) batch = &b;
        if (!batch) batch = &batches.emplace_back(TextureBatch{q.texture, {}});
        batch->quads.push_back(q);
    }
    return batches;
}

std::vector<TextureBatch> OneBatchAQuad(const CensusFrame& frame)
{
    std::vector<TextureBatch> batches;
    for (const CensusQuad& q : frame.quads) batches.push_back(TextureBatch{q.texture, {q}});
    return batches;
}

void DrawBatches(const std::vector<TextureBatch>& batches, const std::map<uint32_t, GLuint>& glNames)
{
    for (const TextureBatch& batch : batches) {
        auto name = glNames.find(batch.texture);
        glBindTexture(GL_TEXTURE_2D, name == glNames.end() ? 0 : name->second);
        glBegin(GL_QUADS);
        for (const CensusQuad& q : batch.quads) {
            glColor4ub(q.colour[0], q.colour[1], q.colour[2], q.colour[3]);
            for (int i = 0; i < 4; ++i) {
                glTexCoord2f(q.s[i], q.t[i]);
                glVertex2f(q.x[i], q.y[i]);
            }
        }
        glEnd();
    }
}
