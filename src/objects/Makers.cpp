#include "objects/Makers.h"
#include "objects/BaseObjectFactory.h"

// The makers, constructed at start-up in this order and destroyed at exit
// in reverse. Each class's maker joins the list when the class exists.

void LinkMakers() {}
