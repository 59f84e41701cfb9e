#include "confui/history/ChangeText.h"

namespace morva::confui {

std::string changeLines(const std::vector<config::ConfigChange>& changes,
                        const std::string& noChanges)
{
    if (changes.empty())
        return noChanges;
    std::string text;
    for (const auto& change : changes) {
        if (change.hasOld && change.hasNew) {
            text += change.key + ": " + change.oldText + "  \xE2\x86\x92  " + change.newText;
        } else {
            text += change.hasNew ? "+ " : "\xE2\x88\x92 ";
            if (!change.key.empty())
                text += change.key + " = ";
            text += change.hasNew ? change.newText : change.oldText;
        }
        text += '\n';
    }
    return text;
}

} // namespace morva::confui
