#include <cstdio>
#include <fstream>
#include <sstream>
#include "levels/AtomicFile.h"
#include "levels/LevelManager.h"
#include "levels/LevelRecords.h"
#include "objects/BaseObjectFactory.h"
#include "resources/ContainedName.h"
#include "resources/DataName.h"
#include "resources/DataPaths.h"
#include "resources/WholeFile.h"
#include "shell/Shell.h"

namespace {
const std::string LEVEL_DIR = "Data/Levels/";
const std::string SAVE_FILE = "Data/Levels/save.dat";
const std::string FIRST_LEVEL = "lev1.dat";
}

void LevelManager::LoadLevel(const std::string& name)
{
    objectManager.deleteAll();
    selected = nullptr;
    // A name from a shared level, the save file or a prompt must not reach
    // outside the level folder; such a name fails as a missing file does.
    std::string bytes;
    if (IsContainedName(name) && ReadWholeFile(PathToRead(LEVEL_DIR + name), bytes)) {
        // Each object reads its own payload from a stream holding just its
        // record's payload, so a class can never read into the next record.
        for (const LevelRecord& r : SplitLevelRecords(bytes)) {
            std::istringstream payload(r.payload);
            BaseObjectFactory::createObject(static_cast<ObjectType>(r.type), r.x, r.y, this, &payload);
        }
        levelComplete = false;
        timer = 0.0f;
        hint = "";
        message = "";
    } else {
        ErrorBox("Could not open level for loading!");
    }
    if (state == STATE_EDITOR) BuildPalette();
    objectManager.postLoadAll();
}

void LevelManager::SaveLevel(const std::string& name)
{
    if (!IsContainedName(name)) {
        ErrorBox("Could not open save file!");
        return;
    }
    std::ostringstream out;
    objectManager.saveAll(out);
    // Written beside the level and then put in its place, so that a failed
    // write never destroys the level that was there.
    if (!WriteFileAtomically(PathToWrite(LEVEL_DIR + name), out.str()))
        ErrorBox("Could not open save file!");
}

void LevelManager::LoadGame()
{
    if (state != STATE_PLAY) {
        SetState(STATE_LOAD_PROMPT);
        return;
    }
    std::ifstream save(PathToRead(SAVE_FILE));
    if (save) {
        std::string line;
        std::getline(save, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        currentLevel = line;
    }
    if (currentLevel.empty()) currentLevel = FIRST_LEVEL;
    LoadLevel(currentLevel);
}

void LevelManager::SaveGame()
{
    if (state != STATE_PLAY) {
        SetState(STATE_SAVE_PROMPT);
        return;
    }
    WriteFileAtomically(PathToWrite(SAVE_FILE), currentLevel);
}

void LevelManager::RestartLevel()
{
    if (currentLevel.empty()) currentLevel = FIRST_LEVEL;
    LoadLevel(currentLevel);
}
