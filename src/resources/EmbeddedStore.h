#pragma once
#include <cstddef>
#include <string>

// A file compiled into the executable, found by a star name.
struct EmbeddedResource {
    const char* name;
    const char* type;
    const unsigned char* data;
    size_t size;
};

// Each executable links one generated table, ended by an entry whose name
// is null.
extern const EmbeddedResource embeddedResources[];

const EmbeddedResource* FindEmbeddedResource(const std::string& name, const std::string& type);
