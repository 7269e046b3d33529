#include <cmath>
#include "LevelTestWorld.h"
#include "levels/EditorGrid.h"
#include "objects/Switch.h"
#include "shell/KeyState.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"
#include "support/GlContext.h"

namespace {

using BoxList = std::vector<std::string>;

class TestSwitch : public Switch {
public:
    TestSwitch(LevelManager* l, std::istream* in = nullptr) : Switch(0, 0, 32, 32, 2, l, in) {}
    ObjectType getType() const override { return HIT_SWITCH_TYPE; }
    bool isDead() const override { return false; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return true; }
    void kill() override {}
};

class LevelManagerTest : public LevelTestWorld {
protected:
    void Type(const std::string& text)
    {
        for (char c : text) level->KeyInput(static_cast<uint8_t>(c), true);
    }
    void Step(int n = 1)
    {
        for (int i = 0; i < n; ++i) level->Update(0.01f, &keys);
    }
    KeyState keys{};
};

TEST_F(LevelManagerTest, GridSnapping)
{
    EXPECT_EQ(SnapToGrid(15, 100).x, 0);
    EXPECT_EQ(SnapToGrid(16, 100).x, 32);
    EXPECT_EQ(SnapToGrid(47, 100).x, 32);
    EXPECT_EQ(SnapToGrid(100, 65).y, 60);
    EXPECT_EQ(SnapToGrid(100, 76).y, 92);
    EXPECT_EQ(SnapToGrid(100, 587).y, 572);
    EXPECT_EQ(SnapToGrid(-20, 100).x, 0);  // truncation toward zero
}

TEST_F(LevelManagerTest, LevelCompleteSequenceStepByStep)
{
    WriteLevel("next.dat", Record(LASER_TYPE, 5, 5));
    WriteLevel("here.dat", "");
    level->LoadLevel("here.dat");
    EXPECT_FALSE(level->IsLevelComplete());

    level->CompleteLevel("next.dat");
    EXPECT_TRUE(level->IsLevelComplete());
    EXPECT_EQ(level->GetCurrentLevel(), "next.dat");
    EXPECT_FLOAT_EQ(level->GetTimer(), 2.0f);

    // The world stands still while the timer runs down to one second.
    int steps = 0;
    while (man.count() == 0 && steps < 300) {
        Step();
        ++steps;
    }
    EXPECT_GE(steps, 100);
    EXPECT_LE(steps, 102);
    // The load happened; the flag stays one more step, then play resumes.
    EXPECT_TRUE(level->IsLevelComplete());
    EXPECT_EQ(level->GetTimer(), 0.0f);
    Step();
    EXPECT_FALSE(level->IsLevelComplete());
}

TEST_F(LevelManagerTest, MessagesLastTwoSecondsAndHintsOneStep)
{
    WriteLevel("here.dat", "");
    level->LoadLevel("here.dat");
    level->ShowMessage("hello");
    level->SetHint("psst");
    Step();
    EXPECT_EQ(level->GetHint(), "");
    EXPECT_EQ(level->GetMessage(), "hello");
    Step(198);
    EXPECT_GT(level->GetTimer(), 0.0f);
    Step(2);
    EXPECT_EQ(level->GetTimer(), 0.0f);
}

TEST_F(LevelManagerTest, SetStateRunsLeavingBeforeEnteringAndIgnoresTheSameState)
{
    level->SetState(STATE_EDITOR);
    size_t tools = CountObjects(true);
    EXPECT_GT(tools, 0u);
    level->SetState(STATE_EDITOR);  // no second palette
    EXPECT_EQ(CountObjects(true), tools);

    // The load prompt loads into the editor state, so the load builds the
    // palette of the new world; entering the editor then adds none.
    WriteLevel("lev5.dat", Record(LASER_TYPE, 64, 92));
    level->LoadGame();
    EXPECT_EQ(level->GetState(), STATE_LOAD_PROMPT);
    EXPECT_TRUE(shell.charTranslation);
    EXPECT_EQ(level->GetMessageBox().GetText(), "save.dat");
    for (int i = 0; i < 8; ++i) level->KeyInput(VK_BACK, false);
    Type("lev5.dat\r");
    Step();
    EXPECT_EQ(level->GetState(), STATE_EDITOR);
    EXPECT_EQ(level->GetCurrentLevel(), "lev5.dat");
    EXPECT_EQ(CountObjects(false), 1u);
    EXPECT_EQ(CountObjects(true), tools);
    EXPECT_FALSE(shell.charTranslation);
}

TEST_F(LevelManagerTest, SavePromptWritesTheTypedFile)
{
    level->SetState(STATE_EDITOR);
    new Probe("placed", 64, 92, ProbeKind{LASER_TYPE});
    level->SaveGame();
    EXPECT_EQ(level->GetState(), STATE_SAVE_PROMPT);
    level->GetMessageBox().Close();
    level->SetState(STATE_EDITOR);  // leaving saves under the box's text: empty
    level->SaveGame();
    Type("mine.dat\r");
    Step();
    EXPECT_EQ(level->GetState(), STATE_EDITOR);
    // Only the placed object is saved, not the palette.
    EXPECT_EQ(ReadWholeFile(LevelPath("mine.dat")), Record(LASER_TYPE, 64, 92));
}

// Every return from a prompt used to add a palette on top of the first.
// Every palette item can be clicked: none covers another, the dragon's
// wide picture included.
TEST_F(LevelManagerTest, PaletteItemsDoNotCoverOneAnother)
{
    level->SetState(STATE_EDITOR);
    std::vector<BaseObject*> tools;
    man.forEach([&](BaseObject* o) {
        if (o->isTool()) tools.push_back(o);
    });
    ASSERT_GE(tools.size(), 15u);
    for (size_t i = 0; i < tools.size(); ++i) {
        for (size_t j = i + 1; j < tools.size(); ++j) {
            auto [ax, ay] = tools[i]->getPosition();
            auto [bx, by] = tools[j]->getPosition();
            bool overlap = std::fabs(ax - bx) < (tools[i]->getWidth() + tools[j]->getWidth()) / 2 &&
                           std::fabs(ay - by) < (tools[i]->getHeight() + tools[j]->getHeight()) / 2;
            EXPECT_FALSE(overlap) << tools[i]->getType() << " and " << tools[j]->getType();
        }
    }
}

TEST_F(LevelManagerTest, ThePaletteIsBuiltOncePerEditorEntry)
{
    struct Asker : Probe {
        Asker() : Probe("asker", 64, 92, ProbeKind{LASER_TYPE}) {}
        void textEntered(const std::string&) override {}
    };
    level->SetState(STATE_EDITOR);
    size_t tools = CountObjects(true);
    auto* asker = new Asker;
    for (int i = 0; i < 4; ++i) {
        level->Prompt("Name?", "", asker);
        Type("\r");
        Step();
        level->SaveGame();
        for (int k = 0; k < 8; ++k) level->KeyInput(VK_BACK, false);
        Type("mine.dat\r");
        Step();
        ASSERT_EQ(level->GetState(), STATE_EDITOR);
        EXPECT_EQ(CountObjects(true), tools) << "after round " << i;
    }
    EXPECT_EQ(ReadWholeFile(LevelPath("mine.dat")), Record(LASER_TYPE, 64, 92));

    // Clearing the world takes the palette with it; the next return to the
    // editor brings one back.
    man.deleteAll();
    level->SaveGame();
    Type("\r");
    Step();
    EXPECT_EQ(CountObjects(true), tools);
}

TEST_F(LevelManagerTest, PaletteMarksOnlyItsOwnObjects)
{
    // Level objects in the bottom rows are under the palette strip.
    new Probe("low", 64, 28, ProbeKind{LASER_TYPE, 2, false});
    new Probe("lower", 96, 60, ProbeKind{LASER_TYPE, 2, false});
    level->SetState(STATE_EDITOR);
    EXPECT_EQ(CountObjects(false), 2u);
    EXPECT_EQ(CountObjects(true), BaseObjectFactory::registeredTypes().size());
    level->SaveLevel("low.dat");
    EXPECT_EQ(ReadWholeFile(LevelPath("low.dat")).size(), 24u);
}

TEST_F(LevelManagerTest, ClicksSelectInThePaletteAndPlaceAboveIt)
{
    level->SetState(STATE_EDITOR);
    // Select the palette's probe tool, the first entry at x = 16, y = 48.
    level->OnClick(1, 16, 48);
    ASSERT_NE(level->GetSelected(), nullptr);
    EXPECT_TRUE(level->GetSelected()->isTool());
    size_t before = man.count();
    level->OnClick(1, 100, 64);  // y 64 still selects
    EXPECT_EQ(man.count(), before);
    level->OnClick(1, 16, 48);
    level->OnClick(1, 100, 65);  // y 65 places at the snapped point
    EXPECT_EQ(man.count(), before + 1);
    BaseObject* placed = nullptr;
    man.forEach([&](BaseObject* o) {
        if (!o->isTool()) placed = o;
    });
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->getPosition(), std::make_pair(96.0f, 60.0f));
    level->OnClick(2, 0, 0);
    EXPECT_EQ(level->GetSelected(), nullptr);
}

TEST_F(LevelManagerTest, DeleteKillsTheSelectionButNotATool)
{
    level->SetState(STATE_EDITOR);
    Probe* placed = new Probe("placed", 64, 92, ProbeKind{LASER_TYPE});
    level->OnClick(1, 16, 48);
    keys.down[VK_DELETE] = 1;
    Step();
    EXPECT_NE(level->GetSelected(), nullptr);  // a tool is not deleted
    level->OnClick(2, 0, 0);
    level->OnClick(1, 64, 92);
    EXPECT_EQ(level->GetSelected(), placed);
    Step();
    EXPECT_TRUE(placed->isDead());
    EXPECT_EQ(level->GetSelected(), nullptr);
}

TEST_F(LevelManagerTest, ClearingTheWorldDropsTheSelection)
{
    GlContext gl;
    level->SetState(STATE_EDITOR);
    new Probe("placed", 64, 92, ProbeKind{LASER_TYPE});
    level->OnClick(1, 64, 92);
    ASSERT_NE(level->GetSelected(), nullptr);
    man.deleteAll();  // the clear key
    level->Draw();
    EXPECT_EQ(level->GetSelected(), nullptr);
}

TEST_F(LevelManagerTest, ClicksAreIgnoredOutsideTheEditor)
{
    new Probe("placed", 64, 92, ProbeKind{LASER_TYPE});
    level->OnClick(1, 64, 92);
    EXPECT_EQ(level->GetSelected(), nullptr);
}

TEST_F(LevelManagerTest, SwitchRegistry)
{
    EXPECT_EQ(level->NextFreeSwitchId(), 0u);
    auto* a = new TestSwitch(level.get());
    auto* b = new TestSwitch(level.get());
    EXPECT_EQ(a->getId(), 0u);
    EXPECT_EQ(b->getId(), 1u);
    EXPECT_FALSE(level->IsSwitchOn(0));
    a->toggle();
    EXPECT_TRUE(level->IsSwitchOn(0));
    EXPECT_FALSE(level->IsSwitchOn(7));
    delete a;
    EXPECT_EQ(level->NextFreeSwitchId(), 0u);

    // A second switch with a taken id stays unregistered; deleting it warns
    // and leaves the first registered.
    std::istringstream dup(std::string("\x01\0\0\0\x01\0\0\0", 8));
    auto* clash = new TestSwitch(level.get(), &dup);
    EXPECT_EQ(Boxes(), (BoxList{"Error: Attempting to add an invalid switch"}));
    delete clash;
    EXPECT_EQ(Boxes().back(), "Error: Attempting to remove an invalid switch");
    EXPECT_EQ(level->NextFreeSwitchId(), 0u);
    EXPECT_FALSE(level->AddSwitch(nullptr, 5));
    delete b;
    EXPECT_EQ(level->NextFreeSwitchId(), 0u);
}

TEST_F(LevelManagerTest, ObjectPromptHandsTheTextToTheAsker)
{
    struct Asker : Probe {
        std::string got;
        Asker() : Probe("asker", 64, 92, ProbeKind{LASER_TYPE}) {}
        void textEntered(const std::string& t) override { got = t; }
    };
    level->SetState(STATE_EDITOR);
    auto* asker = new Asker;
    level->Prompt("Name?", "abc", asker);
    EXPECT_EQ(level->GetState(), STATE_OBJECT_PROMPT);
    EXPECT_EQ(level->GetMessageBox().GetText(), "abc");
    Type("d\r");
    Step();
    EXPECT_EQ(asker->got, "abcd");
    EXPECT_EQ(level->GetState(), STATE_EDITOR);
}

}  // namespace
