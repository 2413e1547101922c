#pragma once
// The addresses the partner pages hand to the desktop's opener for a partner's web
// page and for a new mail. Each answers the URL to open, or an empty text when the
// stored address is too short to be one (the button then does nothing).
#include "platform/core/Types.h"

namespace app {

// Web: blanks around the text are dropped; fewer than 5 characters open nothing.
// An address that already names a scheme ("http://", "HTTPS://", "ftp://"), in any
// letter case, is used as it stands; any other gets "http://" in front.
String WebLinkUrl(const String& Web);

// Mail: "mailto:" and the address (blanks around it dropped) when it has at least
// MinLength characters; a "mailto:" it starts with, in any letter case, is taken as
// the scheme and not counted. The link carries the address only: a character that would
// start headers ("?attach=", "&cc=") or end the address is percent-encoded.
String MailLinkUrl(const String& Email, Integer MinLength);

// Hands Url to the desktop's opener as a link (never through a command line) without
// waiting for it. Shows "A hivatkozás nem nyitható meg: " and the URL when the opener
// cannot start, or gives up soon after (OpenerWatch). Does nothing for an empty Url.
void OpenLink(const String& Url);

} // namespace app
