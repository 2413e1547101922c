#include "app/partners/LinkAddresses.h"

#include "app/common/OpenerWatch.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/os/ShellApi.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"

#include <string_view>

namespace app {

namespace {

bool IsSchemeChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '-' || c == '.';
}

// A scheme is a letter, then letters, digits, "+", "-" or ".", then "://".
bool HasScheme(const String& Address) {
    const auto colon = Address.find("://");
    if (colon == String::npos || colon == 0) return false;
    const char first = Address[0];
    if (!((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z'))) return false;
    for (std::size_t i = 1; i < colon; ++i)
        if (!IsSchemeChar(Address[i])) return false;
    return true;
}

// What an address may hold as it stands in a mail link; other ASCII is percent-encoded
// (letters beyond ASCII stay, as the opener takes them).
bool StaysInMailLink(char c) {
    return IsSchemeChar(c) || static_cast<unsigned char>(c) >= 0x80 ||
           std::string_view("!$'*^_`{|}~@,;:()").find(c) != std::string_view::npos;
}

} // namespace

String WebLinkUrl(const String& Web) {
    const String address = Trim(Web);
    if (Length(address) < 5) return String();
    return HasScheme(address) ? address : "http://" + address;
}

String MailLinkUrl(const String& Email, Integer MinLength) {
    String address = Trim(Email);
    // An address stored as a mail link already: its scheme is given once.
    if (SameText(std::string_view(address).substr(0, 7), "mailto:")) address = Trim(address.substr(7));
    if (Length(address) < MinLength) return String();
    String url = "mailto:";
    for (const char c : address)
        url += StaysInMailLink(c) ? String(1, c) : "%" + IntToHex(static_cast<unsigned char>(c), 2);
    return url;
}

void OpenLink(const String& Url) {
    if (Url.empty()) return;
    const auto refused = [Url](Integer) {
        MessageBox(nullptr, "A hivatkozás nem nyitható meg: " + Url, "Figyelmeztetés!",
                   MB_OK | MB_ICONEXCLAMATION);
    };
    TShellExecuteInfo info;
    info.Mask = SEE_MASK_NOCLOSEPROCESS;
    info.Verb = "open";
    info.File = Url;
    info.Show = SW_SHOWNORMAL;
    if (!ShellExecuteEx(info)) {
        refused(info.InstApp);
        return;
    }
    if (Application)
        OpenerWatch::Of(*Application).Watch(info.Process, true, refused);
    else if (info.Process != 0)
        CloseHandle(info.Process);
}

} // namespace app
