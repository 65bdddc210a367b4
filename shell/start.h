#pragma once

// How a start of Lunara comes up, beside main() so that it can be tried without starting the
// program: what a start does when another copy runs, and how the launcher first shows.

#include <QString>

namespace lunara {

class Services;
class frmMDI;

// A start that found another copy running. One in the background (the session starting Lunara
// while it already runs) ends quietly and changes nothing in that copy; any other asks a copy
// that shows no window to show its launcher, and says "Application is already running" when
// that copy shows a window or does not answer within `answerMs`.
void answerSecondStart(Services& services, const QString& channelName, bool background, int answerMs);

// The launcher as this start wants it: shown; or, in the background, hidden with only the tray
// and the reminders, and closing it hides it again.
void startLauncher(frmMDI& launcher, bool background);

// What the running copy does when a second start asks: shows a hidden launcher and says whether it did.
bool showIfHidden(frmMDI& launcher);

} // namespace lunara
