#include "objects/ProbeObject.h"
#include <ostream>

std::vector<std::string>& Probe::Log()
{
    static std::vector<std::string> log;
    return log;
}

std::string Probe::NameOf(const BaseObject* o)
{
    auto* probe = dynamic_cast<const Probe*>(o);
    return probe ? probe->name : "?";
}

void Probe::save(std::ostream& out) { out << payload; }

void Probe::update(float, const KeyState*)
{
    Log().push_back("update " + name);
    if (onUpdate) onUpdate();
}

void Probe::collide(BaseObject* other)
{
    Log().push_back("collide " + name + " " + NameOf(other));
    if (onCollide) onCollide(other);
}
