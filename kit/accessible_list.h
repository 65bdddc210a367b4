#pragma once

namespace lunara {

// Drop-down lists given an accessible name are read by that name, their choice as their value.
// (On Linux Qt reads a list's choice as its name, so "December" would be all a screen reader says
// of the month list.) Installed once, before the first list is made.
void nameDropDownListsForScreenReaders();

} // namespace lunara
