#include "resources/EmbeddedStore.h"

const EmbeddedResource* FindEmbeddedResource(const std::string& name, const std::string& type)
{
    for (const EmbeddedResource* r = embeddedResources; r->name; ++r)
        if (name == r->name && type == r->type) return r;
    return nullptr;
}
