#include "objects/BaseObject.h"
#include "objects/BaseObjectFactory.h"
#include "objects/BaseObjectMan.h"

BaseObject::BaseObject(float x, float y, float width, float height, int32_t drawLayer)
    : x(x), y(y), width(width), height(height), drawLayer(drawLayer)
{
    listPos = BaseObjectMan::link(this);
}

BaseObject::~BaseObject() { BaseObjectMan::unlink(listPos); }

void BaseObject::save(std::ostream&) {}

void BaseObject::textEntered(const std::string&) {}

void BaseObject::postLoad() {}

void BaseObject::draw() {}

void BaseObject::update(float, const KeyState*) {}

void BaseObject::collide(BaseObject*) {}

void BaseObject::editAt(float newX, float newY)
{
    if (tool) {
        BaseObjectFactory::createObject(getType(), newX, newY, nullptr, nullptr);
        return;
    }
    x = newX;
    y = newY;
}

void BaseObject::traceState(std::ostream&) const {}
