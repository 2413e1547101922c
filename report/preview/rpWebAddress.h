#pragma once
// The maker's web address ("www.example.org") that the preview's link button
// shows and opens with "http://" before it. The program sets it at start;
// while it is empty the button shows nothing and opens nothing.
#include "platform/core/Types.h"

void rpSetWebAddress(const String& Address);
const String& rpWebAddress();
