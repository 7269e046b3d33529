#pragma once

// Draws in a frame of reference turned and flipped about a centre point:
// the constructor saves the model-view matrix and sets up
// translate(cx, cy) . rotate(degrees about z) . scale(sx, sy) . translate(-cx, -cy),
// so that anything drawn around (cx, cy) appears turned and mirrored in
// place; the destructor restores the matrix.
class ScopedTransform {
public:
    ScopedTransform(float cx, float cy, float degrees, float sx = 1.0f, float sy = 1.0f);
    ~ScopedTransform();

    ScopedTransform(const ScopedTransform&) = delete;
    ScopedTransform& operator=(const ScopedTransform&) = delete;
};
