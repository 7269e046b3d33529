#pragma once

// Stand-in until the object model lands: the handle to the one object list.
class BaseObjectMan {
public:
    void deleteAll() {}
};
