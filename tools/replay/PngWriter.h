#pragma once
#include <string>

// Saves the current GL read buffer (width x height from the bottom-left
// corner) as a PNG file, top row first.
bool SaveFramebufferPng(const std::string& path, int width, int height);
