#pragma once

#include <string>

namespace morva::confui {

// Inbound action combos list the nine actions in the order
// 0, 4, 5, 7, 1, 6, 2, 3, 8 of their stored codes. A stored value outside
// 0..8 is shown as that position unchanged and a position outside 0..8 is
// stored unchanged, so values the console does not know survive a save.
constexpr int kActionCount = 9;
constexpr int kJunkFolderAction = 5; // needs the junk-folder add-on
constexpr int kMarkSubjectAction = 7;

int actionPositionOf(int storedValue);
int actionValueAt(int position);

// Outbound action combos store their position: 0 discard, 1 encapsulate and
// forward to postmaster, 2 non-delivery report to the sender.
constexpr int kOutboundActionCount = 3;

// The text ids of the combos' entries: "confui.action.<stored value>" and
// "confui.outAction.<position>".
std::string actionTextId(int storedValue);
std::string outboundActionTextId(int position);

} // namespace morva::confui
