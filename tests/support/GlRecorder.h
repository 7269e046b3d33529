#pragma once
#include <string>
#include <vector>
#include "resources/GlCalls.h"

// One recorded immediate-mode call: its name and its arguments as floats.
struct GlCall {
    std::string name;
    std::vector<float> args;
};

// While alive, the drawing routines' GL calls are recorded instead of made.
class GlRecorder {
public:
    GlRecorder();
    ~GlRecorder();
    const std::vector<GlCall>& Calls() const;
    // Only the calls with this name, in order.
    std::vector<GlCall> Named(const std::string& name) const;
    void Clear();
};
