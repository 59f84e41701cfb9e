// The settings search on any typed text and any value a configuration file
// holds: no fault, and the invariants the browser relies on (every hit is a
// setting, ranks in order, the nearest keys are keys).
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Catalogue.h"
#include "confui/browser/SettingsIndex.h"
#include "confui/browser/SettingsSearch.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

struct Searched
{
    std::unique_ptr<morva::platform::FileSystem> fs = morva::platform::makeSystemFileSystem();
    morva::platform::FakeClock clock;
    morva::config::ConfigStore store{*fs, clock, "/nonexistent-morva-dir/"};
    std::unique_ptr<morva::confui::SettingsIndex> index;
    std::unique_ptr<morva::confui::SettingsSearch> search;
    Searched()
    {
        morva::config::registerSchema(store);
        index = std::make_unique<morva::confui::SettingsIndex>(store, morva::confui::catalogue());
        search = std::make_unique<morva::confui::SettingsSearch>(*index);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Searched searched;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    searched.search->setValue(0, text);
    const int language = size > 0 ? data[0] % 7 - 1 : 0; // out of range too
    const auto hits = searched.search->find(text, language);
    for (std::size_t i = 0; i < hits.size(); ++i) {
        if (hits[i].setting >= searched.index->size())
            std::abort();
        if (i > 0 && hits[i].rank < hits[i - 1].rank)
            std::abort();
    }
    if (hits.empty())
        for (const std::string& key : searched.search->nearestKeys(text))
            if (!searched.index->indexOf(key))
                std::abort();
    return 0;
}
