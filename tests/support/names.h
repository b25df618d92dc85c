// Readable names for the window's parts in test logs and failure messages.
#pragma once

#include "core/window.h"

#include <string>

namespace teaser::testing {

std::string name(TextBox box);
std::string name(Label label);
std::string name(MenuItem item);
std::string name(VerdictPicture picture);

}
