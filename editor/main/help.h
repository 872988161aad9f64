// The manual: where it lies, and opening its first page in the person's web browser.
#pragma once

#include "platform/language.h"

#include <string>

class QWidget;

// The manual's first page (index.html): the setting "HelpFile" when it names one ("~" is the
// home folder), else found from the running program's own place (ManualIndexPathFor). Empty
// when there is none.
std::string ManualIndexPath();
// The first page beside a program that lies in programDirectory, or empty when it is not there:
//   installed   PREFIX/bin/PROGRAM  ->  PREFIX/share/doc/vimble-email/manual/index.html
//   build tree  BUILD/app/PROGRAM   ->  BUILD/manual/index.html
// In any other language than English the page of the manual's folder of that language ("de",
// "ja") where it has one.
std::string ManualIndexPathFor(const std::string& programDirectory,
    platform::ELanguage language = platform::ELanguage::English);

// Opens the manual's first page in the browser: the desktop's own way first, then xdg-open
// (which is all there is under a platform that has no desktop services, such as off screen).
// When the manual is not there, or no browser could be started, the program's message box
// says so over parent. True when a browser was started with the page.
bool OpenManual(QWidget* parent);
