#pragma once

#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>

// A store with the whole schema over a "Morva.ini" in a fresh temporary
// program directory.
struct StoreFixture
{
    std::filesystem::path dir;
    std::unique_ptr<morva::platform::FileSystem> fs = morva::platform::makeSystemFileSystem();
    morva::platform::FakeClock clock;
    std::unique_ptr<morva::config::ConfigStore> store;

    explicit StoreFixture(const std::string& content = {})
    {
        static int counter = 0;
        dir = std::filesystem::temp_directory_path() /
              ("morva-confui-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        if (!content.empty())
            std::ofstream(dir / "Morva.ini", std::ios::binary) << content;
        reload();
    }
    ~StoreFixture()
    {
        store.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    void reload()
    {
        store = std::make_unique<morva::config::ConfigStore>(*fs, clock, dir.string() + "/");
        morva::config::registerSchema(*store);
        store->load();
    }

    // A second store over the file as it is now on disk.
    std::unique_ptr<morva::config::ConfigStore> fromDisk()
    {
        auto disk = std::make_unique<morva::config::ConfigStore>(*fs, clock, dir.string() + "/");
        morva::config::registerSchema(*disk);
        disk->load();
        return disk;
    }

    std::string fileText() const
    {
        std::ifstream in(dir / "Morva.ini", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};
