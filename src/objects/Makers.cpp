#include "objects/Makers.h"
#include "objects/BaseObjectFactory.h"
#include "objects/Block.h"
#include "objects/BrokenNitrogenCan.h"
#include "objects/Burner.h"
#include "objects/Dragon.h"
#include "objects/Elevator.h"
#include "objects/Flame.h"
#include "objects/Floor.h"
#include "objects/Gas.h"
#include "objects/HitMeSwitch.h"
#include "objects/NitrogenCan.h"
#include "objects/Player.h"
#include "objects/PressureSwitch.h"
#include "objects/Texter.h"
#include "objects/Wall.h"
#include "objects/Zombie.h"

namespace {

// Makers for classes built from the position alone.
template <typename T, ObjectType TYPE>
class PlaceMaker : public BaseObjectFactory {
public:
    PlaceMaker() : BaseObjectFactory(TYPE) {}
    void create(float x, float y, LevelManager*, std::istream*) override { new T(x, y); }
};

// Makers for classes that reach the level manager.
template <typename T, ObjectType TYPE>
class ManagedMaker : public BaseObjectFactory {
public:
    ManagedMaker() : BaseObjectFactory(TYPE) {}
    void create(float x, float y, LevelManager* levman, std::istream*) override { new T(x, y, levman); }
};

// Makers for classes that read parameters from the level file but never
// reach the level manager.
template <typename T, ObjectType TYPE>
class StreamMaker : public BaseObjectFactory {
public:
    StreamMaker() : BaseObjectFactory(TYPE) {}
    void create(float x, float y, LevelManager*, std::istream* in) override { new T(x, y, in); }
};

// Makers for classes that also read parameters from the level file.
template <typename T, ObjectType TYPE>
class RecordMaker : public BaseObjectFactory {
public:
    RecordMaker() : BaseObjectFactory(TYPE) {}
    void create(float x, float y, LevelManager* levman, std::istream* in) override { new T(x, y, levman, in); }
};

class FLOOR_TYPE_Maker : public PlaceMaker<Floor, FLOOR_TYPE> {};
class WALL_TYPE_Maker : public PlaceMaker<Wall, WALL_TYPE> {};
class ELEVATOR_TYPE_Maker : public RecordMaker<Elevator, ELEVATOR_TYPE> {};
class BLOCK_TYPE_Maker : public PlaceMaker<Block, BLOCK_TYPE> {};
class ZOMBIE_TYPE_Maker : public StreamMaker<Zombie, ZOMBIE_TYPE> {};
class DRAGON_TYPE_Maker : public ManagedMaker<Dragon, DRAGON_TYPE> {};
class HIT_SWITCH_TYPE_Maker : public RecordMaker<HitMeSwitch, HIT_SWITCH_TYPE> {};
class PRESSURE_SWITCH_TYPE_Maker : public RecordMaker<PressureSwitch, PRESSURE_SWITCH_TYPE> {};
class PLAYER_TYPE_Maker : public ManagedMaker<Player, PLAYER_TYPE> {};
class GAS_TYPE_Maker : public ManagedMaker<Gas, GAS_TYPE> {};
class FLAME_TYPE_Maker : public PlaceMaker<Flame, FLAME_TYPE> {};
class BURNER_TYPE_Maker : public RecordMaker<Burner, BURNER_TYPE> {};
class NITROGEN_TYPE_Maker : public PlaceMaker<NitrogenCan, NITROGEN_TYPE> {};
class BROKEN_NITROGEN_TYPE_Maker : public PlaceMaker<BrokenNitrogenCan, BROKEN_NITROGEN_TYPE> {};
class TEXT_TYPE_Maker : public RecordMaker<Texter, TEXT_TYPE> {};

} // namespace

// The makers, constructed at start-up in this order and destroyed at exit
// in reverse. Each class's maker joins the list when the class exists.
static FLOOR_TYPE_Maker floorMaker;
static WALL_TYPE_Maker wallMaker;
static ELEVATOR_TYPE_Maker elevatorMaker;
static BLOCK_TYPE_Maker blockMaker;
static ZOMBIE_TYPE_Maker zombieMaker;
static DRAGON_TYPE_Maker dragonMaker;
static HIT_SWITCH_TYPE_Maker hitSwitchMaker;
static PRESSURE_SWITCH_TYPE_Maker pressureSwitchMaker;
static PLAYER_TYPE_Maker playerMaker;
static GAS_TYPE_Maker gasMaker;
static FLAME_TYPE_Maker flameMaker;
static BURNER_TYPE_Maker burnerMaker;
static NITROGEN_TYPE_Maker nitrogenMaker;
static BROKEN_NITROGEN_TYPE_Maker brokenNitrogenMaker;
static TEXT_TYPE_Maker textMaker;

void LinkMakers() {}
