#pragma once

#include <QString>

namespace lunara {

class Services;

// Where the date of the last update question is kept in the per-user settings.
inline constexpr const char* kLastReminderKey = "UpdateReminder/LastAsked";

// Asks, every fifteen days or so, whether the user wants to look for an update.
void UpdateReminder(Services& services);

} // namespace lunara
