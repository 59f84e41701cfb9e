#include "confui/SaveFailureText.h"

#include "config/ConfigStore.h"
#include "resources/Texts.h"

#include <filesystem>

namespace morva::confui {

std::string saveFailureText(const config::ConfigStore& store, int languageIndex)
{
    if (store.lastSaveStatus() != config::SaveStatus::RefusedEncoding)
        return std::string(text("confui.unableToWrite", languageIndex));
    const std::string_view encoding =
        text(store.textEncoding() == config::TextEncoding::Utf16 ? "confui.encoding.utf16"
                                                                 : "confui.encoding.binary",
             languageIndex);
    const std::string name = std::filesystem::path(store.fileName()).filename().string();
    return replacePlaceholder(
        replacePlaceholder(text("confui.notEightBitText", languageIndex), "%1", name), "%2",
        encoding);
}

} // namespace morva::confui
