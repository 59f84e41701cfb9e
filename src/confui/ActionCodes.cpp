#include "confui/ActionCodes.h"

namespace morva::confui {

namespace {
constexpr int kValueAtPosition[kActionCount] = {0, 4, 5, 7, 1, 6, 2, 3, 8};
} // namespace

int actionPositionOf(int storedValue)
{
    for (int position = 0; position < kActionCount; ++position)
        if (kValueAtPosition[position] == storedValue)
            return position;
    return storedValue;
}

int actionValueAt(int position)
{
    if (position < 0 || position >= kActionCount)
        return position;
    return kValueAtPosition[position];
}

std::string actionTextId(int storedValue)
{
    return "confui.action." + std::to_string(storedValue);
}

std::string outboundActionTextId(int position)
{
    return "confui.outAction." + std::to_string(position);
}

} // namespace morva::confui
