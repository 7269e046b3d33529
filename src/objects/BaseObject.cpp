#include "objects/BaseObject.h"
#include <cmath>
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

void BaseObject::editOrClick(float px, float py, LevelManager* levman, const std::function<void()>& onClicked)
{
    if (tool) {
        BaseObjectFactory::createObject(getType(), px, py, levman, nullptr);
    } else if (std::fabs(px - x) < width / 2 && std::fabs(py - y) < height / 2) {
        onClicked();
    } else {
        x = px;
        y = py;
    }
}
